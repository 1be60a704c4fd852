// Sockets through the host's real hooks: collected, torn down, or blocking a whole program.
#include "in_process.h"
#include "net_program.h"

using namespace nettest;

namespace {

// A connection of the library's class, made by its constructor and opened to port.
Ref open_to(int port) {
  Ref con = jnew<SocketProtocol>();
  sock_open(con, jstr("//127.0.0.1:" + std::to_string(port)), 3, 0);
  return con;
}

// A connection to port and a server that nothing references after; the server's port.
__attribute__((noinline)) int open_and_drop(int port) {
  EXPECT_GE(handle<SocketProtocol>(open_to(port)), 0);
  EXPECT_EQ(rt_take_error(), ERR_NONE);
  Ref srv = jnew<ServerProtocol>();
  srv_open(srv, lit("//:0"), 3, 0);
  EXPECT_EQ(rt_take_error(), ERR_NONE);
  return local_port(handle<ServerProtocol>(srv));
}

}  // namespace

// Collected, a connection and a server have their sockets closed; one still referenced
// is closed at teardown.
TEST(SocketHostHook, CollectedOrTornDownSocketsAreClosed) {
  int port = 0;
  os_handle listener = peer_listen(&port), kept = -1;
  run_program(cldc_core_classes(), [&] {
    Ref volatile con = open_to(port);
    kept = peer_accept(listener);
    int serverPort = open_and_drop(port);
    os_handle dropped = peer_accept(listener);
    EXPECT_TRUE(peer_is_quiet(dropped));
    os_handle probe = peer_connect(serverPort);
    EXPECT_GE(probe, 0);
    peer_close(probe);
    scrub_stack();
    rt_collect();
    EXPECT_TRUE(peer_sees_end(dropped));
    EXPECT_EQ(peer_connect(serverPort), -1);
    EXPECT_TRUE(peer_is_quiet(kept));
    EXPECT_GE(handle<SocketProtocol>(con), 0);
    peer_close(dropped);
  });
  EXPECT_TRUE(peer_sees_end(kept));
  peer_close(kept);
  peer_close(listener);
}

// A program whose main reads from a peer that sends nothing: the read holds the whole
// program (the window too) until the peer goes, and the window's close, asked for by the
// script meanwhile, then ends the program as usual.
int g_port;
jint g_read;
std::chrono::steady_clock::duration g_waited;

void blocked_main() {
  Ref con = open_to(g_port);
  auto start = std::chrono::steady_clock::now();
  g_read = sock_read(con, nullptr, 0, 1);
  g_waited = std::chrono::steady_clock::now() - start;
  for (;;) coop_yield();
}

TEST(SocketHostHook, ABlockedReadHoldsTheProgramAndTheWindowClosesAfterIt) {
  os_handle listener = peer_listen(&g_port);
  std::thread peer([listener] {
    os_handle p = peer_accept(listener);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    peer_close(p);
  });
  g_read = 0;
  InProcessResult r =
      run_in_process({.classes = cldc_core_classes, .body = blocked_main, .script = "close\n"});
  peer.join();
  peer_close(listener);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(g_read, -1);
  EXPECT_GE(g_waited, std::chrono::milliseconds(250));
  EXPECT_TRUE(r.boxes.empty());
}
