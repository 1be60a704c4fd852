// Sockets through the host's real entry: a blocked read holds the whole program.
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

}  // namespace

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
