// Peers and systems that misbehave: each ends in the documented error or block, never in a
// crash, a signal or a lost handle.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "link.h"

using namespace nettest;

namespace {

using std::chrono::milliseconds;

// Runs fn on a thread of the operating system after a pause, while a native call blocks.
struct Later {
  std::thread t;
  Later(int ms, std::function<void()> fn)
      : t([ms, fn] {
          std::this_thread::sleep_for(milliseconds(ms));
          fn();
        }) {}
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
  for (bool byte : {true, false}) {
    run_net_program([byte] {
      Link link;
      Ref conn = connect_link(link);
      os_handle peer = link.peer;
      link.peer = -1;
      Ref buf = jbytes(8);
      jint n;
      {
        Later reset(200, [peer] { peer_reset(peer); });
        n = byte ? sock_read(conn, nullptr, 0, 1) : sock_read(conn, buf, 0, 8);
      }
      EXPECT_EQ(n, 0) << (byte ? "byte read" : "array read");
      EXPECT_EQ(rt_take_error(), ERR_SOCKET);
      expect_handle_kept(conn);
    });
  }
}

// The documented whole-program block: no thread runs until the peer goes, then the read
// sees the end of the stream and every thread goes on.
namespace {
int g_turns;
}

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
    os_handle peer = link.peer;
    link.peer = -1;
    auto start = std::chrono::steady_clock::now();
    jint n;
    {
      Later close(300, [peer] { peer_close(peer); });
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
    os_handle peer = link.peer;
    link.peer = -1;
    Ref buf = jbytes(65536);
    int64_t sent = 0;
    int32_t error = ERR_NONE;
    {
      Later reset(300, [peer] { peer_reset(peer); });
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
    rlimit low = saved;
    low.rlim_cur = 64;
    setrlimit(RLIMIT_NOFILE, &low);
    for (int fd; (fd = dup(0)) >= 0;) held.push_back(fd);
  }
  void release_one() {
    close(held.back());
    held.pop_back();
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
      none.release_one();
      accepted = srv_accept(server);  // the waiting client was not dropped
      EXPECT_EQ(rt_take_error(), ERR_NONE);
    }
    EXPECT_EQ(handle<SocketProtocol>(conn), -1);
    EXPECT_EQ(handle<ServerProtocol>(other), -1);
    ASSERT_GE(accepted, 0);
    EXPECT_EQ(remote_address(accepted), "127.0.0.1");
    close(accepted);
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
