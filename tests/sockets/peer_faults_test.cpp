// Peers and systems that misbehave: each ends in the documented error or block, never in a
// crash, a signal or a lost handle.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "net_program.h"

using namespace nettest;

namespace {

using std::chrono::milliseconds;

// Runs fn on the peer's end on a thread of the operating system after a pause, while a
// native call blocks; the test no longer closes that end itself.
struct Later {
  std::thread t;
  Later(Link& link, int ms, void (*fn)(os_handle)) {
    os_handle peer = std::exchange(link.peer, -1);
    t = std::thread([=] {
      std::this_thread::sleep_for(milliseconds(ms));
      fn(peer);
    });
  }
  ~Later() { t.join(); }
};

// The handle still belongs to the object and closes cleanly once.
void expect_handle_kept(Ref conn) {
  jint h = handle<SocketProtocol>(conn);
  ASSERT_GE(h, 0);
  EXPECT_TRUE(peer_is_open(h));
  sock_close(conn);
  EXPECT_EQ(rt_take_error(), ERR_NONE);
  EXPECT_FALSE(peer_is_open(h));
}

TEST(SocketPeerFaults, ResetDuringABlockedReadIsASocketError) {
  run_net_program([] {
    for (bool byte : {true, false}) {
      SCOPED_TRACE(byte ? "byte read" : "array read");
      Link link;
      Ref conn = connect_link(link);
      jint n;
      {
        Later reset(link, 200, peer_reset);
        n = byte ? sock_read(conn, nullptr, 0, 1) : sock_read(conn, jbytes(8), 0, 8);
      }
      EXPECT_EQ(n, 0);
      EXPECT_EQ(rt_take_error(), ERR_SOCKET);
      expect_handle_kept(conn);
    }
  });
}

// The documented whole-program block: no thread runs until the peer goes, then the read
// sees the end of the stream and every thread goes on.
int g_turns;

TEST(SocketPeerFaults, PeerThatNeverSendsBlocksEveryThreadUntilItCloses) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    g_turns = 0;
    spawn([] {
      for (;;) {
        g_turns++;
        coop_yield();
      }
    });
    coop_yield();
    int before = g_turns;
    ASSERT_GT(before, 0);
    auto start = std::chrono::steady_clock::now();
    jint n;
    {
      Later close(link, 300, peer_close);
      n = sock_read(conn, jbytes(4), 0, 4);
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(250));
    EXPECT_EQ(n, -1);
    EXPECT_EQ(g_turns, before);
    coop_yield();
    EXPECT_GT(g_turns, before);
    expect_handle_kept(conn);
  });
}

// Writes block once the peer's window is full; a peer that then resets turns the blocked
// or the next write into a socket error, without the process's broken-pipe signal.
TEST(SocketPeerFaults, PeerThatNeverReadsBlocksWritesThenFailsThemOnReset) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    Ref buf = jbytes(65536);
    int64_t sent = 0;
    int32_t error = ERR_NONE;
    {
      Later reset(link, 300, peer_reset);
      for (int i = 0; i < 10000 && error == ERR_NONE; i++) {
        sent += sock_write(conn, buf, 0, 65536);
        error = rt_take_error();
      }
    }
    EXPECT_EQ(error, ERR_SOCKET);
    EXPECT_GT(sent, 0);
    expect_handle_kept(conn);
  });
}

// Keeps every descriptor of the process in use while it lives, under a low limit.
struct NoDescriptors {
  rlimit saved;
  std::vector<int> held;
  NoDescriptors() {
    getrlimit(RLIMIT_NOFILE, &saved);
    rlimit low = {64, saved.rlim_max};
    setrlimit(RLIMIT_NOFILE, &low);
    for (int fd; (fd = dup(0)) >= 0;) held.push_back(fd);
  }
  ~NoDescriptors() {
    for (int fd : held) close(fd);
    setrlimit(RLIMIT_NOFILE, &saved);
  }
};

TEST(SocketPeerFaults, NoDescriptorsLeftFailsOpensAndAcceptWithoutLosingTheClient) {
  run_net_program([] {
    int port = free_port();
    Ref server = new_protocol<ServerProtocol>();
    srv_open(server, jstr("//:" + std::to_string(port)), 3, 0);
    ASSERT_EQ(rt_take_error(), ERR_NONE);
    os_handle client = peer_connect(port);
    ASSERT_GE(client, 0);
    Ref conn = new_protocol<SocketProtocol>();
    Ref other = new_protocol<ServerProtocol>();
    jint accepted;
    {
      NoDescriptors none;
      sock_open(conn, jstr("//127.0.0.1:" + std::to_string(port)), 3, 0);
      EXPECT_EQ(rt_take_error(), ERR_SOCKET);
      srv_open(other, jstr("//:0"), 3, 0);
      EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
      EXPECT_EQ(srv_accept(server), -1);
      EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
      close(none.held.back());
      none.held.pop_back();
      accepted = srv_accept(server);  // the waiting client was not dropped
      EXPECT_EQ(rt_take_error(), ERR_NONE);
    }
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

TEST(SocketPeerFaults, UnresolvableHostIsASocketError) {
  run_net_program([] {
    Ref conn = new_protocol<SocketProtocol>();
    sock_open(conn, jstr("//no-such-host.invalid:80"), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SOCKET);
    EXPECT_EQ(handle<SocketProtocol>(conn), -1);
  });
}

}  // namespace
