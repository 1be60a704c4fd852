// The client natives end to end against a loopback peer the test holds.
#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <functional>

#include "link.h"

using namespace nettest;

TEST(SocketClient, ConnectsWritesAndReadsThroughTheLoopback) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    EXPECT_EQ(sock_write(conn, jbytes("<<hello, peer>>"), 2, 11), 11);  // only the range asked
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(peer_recv(link.peer, 11), "hello, peer");
    EXPECT_TRUE(peer_is_quiet(link.peer));

    peer_send(link.peer, "answer");
    Ref in = jbytes(16);
    jint got = 0;
    while (got < 6) {
      jint n = sock_read(conn, in, 4 + got, 12 - got);
      ASSERT_GT(n, 0);
      ASSERT_EQ(rt_take_error(), ERR_NONE);
      got += n;
    }
    EXPECT_EQ(bytes_of(in, 4, 6), "answer");
    EXPECT_EQ(bytes_of(in, 0, 4), std::string(4, '\0'));  // nothing before the offset
  });
}

// "localhost" reaches the loopback address; parameters after the semicolon are ignored.
TEST(SocketClient, LocalhostAndParametersConnect) {
  const std::pair<const char*, const char*> cases[] = {{"localhost", ""},
                                                       {"127.0.0.1", ";timeout=30"}};
  run_net_program([&] {
    for (const auto& [host, params] : cases) {
      Link link;
      Ref conn = connect_link(link, host, params);
      ASSERT_GE(link.peer, 0) << host << params;
      EXPECT_EQ(remote_address(link.peer), "127.0.0.1");
      EXPECT_EQ(sock_write(conn, nullptr, 'L', 1), 1);
      EXPECT_EQ(peer_recv(link.peer, 1), "L");
    }
  });
}

TEST(SocketClient, ByteWriteSendsTheLowEightBitsOfTheValue) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    EXPECT_EQ(sock_write(conn, nullptr, 0x12341, 1), 1);
    EXPECT_EQ(sock_write(conn, nullptr, -1, 99), 1);  // the length is not used
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(peer_recv(link.peer, 2), std::string("\x41\xff", 2));
  });
}

// Bytes as 0..255, nothing for a zero length, available always 0 (even with data waiting),
// -1 at the end of the stream with and without an array; each clears a stale error.
TEST(SocketClient, ReadResults) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    Ref in = jbytes(4);
    peer_send(link.peer, std::string("\xff\x00\x7f", 3));
    rt_set_error(ERR_UNKNOWN, 1);
    EXPECT_EQ(sock_read(conn, nullptr, 0, 1), 255);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(sock_read(conn, nullptr, 0, 1), 0);
    EXPECT_EQ(sock_read(conn, nullptr, 0, 1), 127);
    EXPECT_EQ(sock_read(conn, in, 4, 0), 0);
    EXPECT_EQ(sock_write(conn, in, 0, 0), 0);
    rt_set_error(ERR_UNKNOWN, 1);
    EXPECT_EQ(sock_available(conn), 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    peer_send(link.peer, "z");
    peer_close(link.peer);
    link.peer = -1;
    EXPECT_EQ(sock_read(conn, in, 0, 4), 1);
    EXPECT_EQ(sock_read(conn, in, 0, 4), -1);
    EXPECT_EQ(sock_read(conn, nullptr, 0, 1), -1);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
  });
}

TEST(SocketClient, BoundsTestsHoldForExtremeIntArguments) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    peer_send(link.peer, "x");
    Ref buf = jbytes(8);
    const jint cases[][2] = {{INT_MAX, INT_MAX},
                             {1, INT_MAX},
                             {INT_MAX, 1},
                             {8, 1},
                             {-1, 2},
                             {0, -1},
                             {INT_MIN, 8},
                             {0, INT_MIN},
                             {9, 0},
                             {INT_MIN, INT_MIN},
                             {7, 2},
                             {5, 10}};
    for (const auto& c : cases) {
      EXPECT_EQ(sock_read(conn, buf, c[0], c[1]), 0) << c[0] << "," << c[1];
      EXPECT_EQ(rt_take_error(), ERR_INDEX_OUT_OF_BOUNDS) << c[0] << "," << c[1];
      EXPECT_EQ(sock_write(conn, buf, c[0], c[1]), 0) << c[0] << "," << c[1];
      EXPECT_EQ(rt_take_error(), ERR_INDEX_OUT_OF_BOUNDS) << c[0] << "," << c[1];
    }
    EXPECT_TRUE(peer_is_quiet(link.peer));     // no write went out
    EXPECT_EQ(sock_read(conn, buf, 7, 1), 1);  // the last byte is in range
    EXPECT_EQ(bytes_of(buf, 7, 1), "x");
  });
}

TEST(SocketClient, NullObjectOrArrayWithoutStorageIsNullPointer) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    Ref buf = jbytes(4);
    rt_take_error();
    EXPECT_EQ(sock_read(nullptr, buf, 0, 1), 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    EXPECT_EQ(sock_write(nullptr, buf, 0, 1), 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    sock_available(nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    sock_close(nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    sock_open(nullptr, jstr("//127.0.0.1:1"), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    void* storage = rt_array(buf)->storage;
    rt_array(buf)->storage = nullptr;
    EXPECT_EQ(sock_read(conn, buf, 0, 1), 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    EXPECT_EQ(sock_write(conn, buf, 0, 1), 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    rt_array(buf)->storage = storage;
  });
}

// The first close ends the connection; after it every call is a socket error.
TEST(SocketClient, ClosedConnectionRefusesEveryCall) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    rt_set_error(ERR_UNKNOWN, 1);
    sock_close(conn);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(handle<SocketProtocol>(conn), -1);
    EXPECT_TRUE(peer_sees_end(link.peer));
    Ref buf = jbytes(2);
    const std::function<jint()> calls[] = {
        [&] { return sock_read(conn, buf, 0, 2); },
        [&] { return sock_read(conn, nullptr, 0, 1); },
        [&] { return sock_write(conn, buf, 0, 2); },
        [&] { return sock_write(conn, nullptr, 1, 1); },
        [&] { return sock_available(conn); },
        [&] { return (sock_close(conn), 0); },
    };
    for (const auto& call : calls) {
      EXPECT_EQ(call(), 0);
      EXPECT_EQ(rt_take_error(), ERR_SOCKET);
    }
    EXPECT_GT(rt_error_line(), 0);
  });
}

TEST(SocketClient, WritingToAResetPeerIsASocketErrorNotAProcessSignal) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    peer_reset(link.peer);
    link.peer = -1;
#ifndef _WIN32
    auto previous = signal(SIGPIPE, SIG_DFL);  // as a fresh process has it: fatal
#endif
    Ref buf = jbytes(1024);
    // The first failing send reports the reset; later ones meet a broken pipe.
    int errors = 0;
    for (int i = 0; i < 200 && errors < 3; i++) {
      jint n = i % 2 ? sock_write(conn, buf, 0, 1024) : sock_write(conn, nullptr, 'x', 1);
      int32_t e = rt_take_error();
      if (e != ERR_NONE) {
        EXPECT_EQ(e, ERR_SOCKET);
        EXPECT_EQ(n, 0);
        errors++;
      }
    }
    EXPECT_EQ(errors, 3);
#ifndef _WIN32
    signal(SIGPIPE, previous);
#endif
  });
}
