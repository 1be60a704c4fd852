// Peers and systems that misbehave: each ends in the documented error or block, never in a
// crash, a signal or a lost handle.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "net_program.h"

using namespace nettest;

namespace {

using std::chrono::milliseconds;

int g_turns;     // turns of a thread that only counts and yields
int64_t g_sent;  // bytes written before a write failed

jint read_array(Ref conn) { return sock_read(conn, jbytes(8), 0, 8); }
// Writes until a write fails (its error left pending); -2 if none does.
jint write_until_error(Ref conn) {
  Ref buf = jbytes(65536);
  for (int i = 0; i < 10000; i++) {
    jint n = sock_write(conn, buf, 0, 65536);
    if (int32_t e = rt_take_error()) return (rt_set_error(e, __LINE__), n);
    g_sent += n;
  }
  return -2;
}

// A read from a peer that sends nothing, or writes to one that never reads (once its
// window is full), block every thread (the documented whole-program block) until the peer
// resets (a socket error) or closes (the end of the stream); then every thread goes on and
// the handle is still the object's. After a reset every write meets a broken pipe: an
// error, not the process's signal.
TEST(SocketPeerFaults, ASilentPeerBlocksEveryThreadUntilItResetsOrCloses) {
  struct Row {
    const char* what;
    jint (*call)(Ref conn);
    void (*peer)(os_handle);
    jint result;
    int32_t error;
  };
  const Row rows[] = {{"array read, reset", read_array, peer_reset, 0, ERR_SOCKET},
                      {"array read, close", read_array, peer_close, -1, ERR_NONE},
                      {"writes, reset", write_until_error, peer_reset, 0, ERR_SOCKET}};
  auto previous = signal(SIGPIPE, SIG_DFL);  // as a fresh process has it: fatal
  run_net_program([&] {
    spawn([] {
      for (;;) {
        g_turns++;
        coop_yield();
      }
    });
    for (const Row& r : rows) {
      SCOPED_TRACE(r.what);
      Link link;
      Ref conn = connect_link(link);
      coop_yield();
      int before = g_turns;
      g_sent = 0;
      auto start = std::chrono::steady_clock::now();
      // The peer acts after a pause on a thread of the operating system, while the call blocks.
      std::thread later([r, peer = std::exchange(link.peer, -1)] {
        std::this_thread::sleep_for(milliseconds(300));
        r.peer(peer);
      });
      jint n = r.call(conn);
      later.join();
      EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(250));
      EXPECT_EQ(took(n), want(r.result, r.error));
      EXPECT_EQ(g_turns, before);
      coop_yield();
      EXPECT_GT(g_turns, before);
      EXPECT_EQ(g_sent > 0, r.call == write_until_error);
      if (r.peer == peer_reset) {
        for (Ref array : {jbytes(1), Ref{nullptr}})
          EXPECT_EQ(took(sock_write(conn, array, 0, 1)), want(0, ERR_SOCKET));
      }
      jint h = handle<SocketProtocol>(conn);  // still the object's, closed once
      EXPECT_TRUE(peer_is_open(h));
      sock_close(conn);
      EXPECT_EQ(rt_take_error(), ERR_NONE);
      EXPECT_FALSE(peer_is_open(h));
    }
  });
  signal(SIGPIPE, previous);
}

TEST(SocketPeerFaults, NoDescriptorsLeftFailsOpensAndAcceptWithoutLosingTheClient) {
  run_net_program([] {
    int port = free_port();
    Ref server = new_protocol<ServerProtocol>();
    srv_open(server, jstr("//:" + std::to_string(port)), 3, 0);
    ASSERT_EQ(rt_take_error(), ERR_NONE);
    os_handle client = peer_connect(port);
    ASSERT_GE(client, 0);
    Ref conn = new_protocol<SocketProtocol>(), other = new_protocol<ServerProtocol>();
    rlimit saved, low;  // every descriptor in use, under a low limit
    getrlimit(RLIMIT_NOFILE, &saved);
    low = {64, saved.rlim_max};
    setrlimit(RLIMIT_NOFILE, &low);
    std::vector<int> held;
    for (int fd; (fd = dup(0)) >= 0;) held.push_back(fd);
    sock_open(conn, jstr("//127.0.0.1:" + std::to_string(port)), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SOCKET);
    srv_open(other, jstr("//:0"), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
    EXPECT_EQ(took(srv_accept(server)), want(-1, ERR_SERVER_SOCKET));
    close(held.back());
    held.pop_back();
    jint accepted = srv_accept(server);  // the waiting client was not dropped
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    for (int fd : held) close(fd);
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(handle<SocketProtocol>(conn), -1);
    EXPECT_EQ(handle<ServerProtocol>(other), -1);
    ASSERT_GE(accepted, 0);
    Ref in = new_protocol<SocketProtocol>(accepted);
    peer_send(client, "!");
    EXPECT_EQ(sock_read(in, nullptr, 0, 1), '!');
    sock_close(in);
    peer_close(client);
    srv_close(server);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
  });
}

}  // namespace
