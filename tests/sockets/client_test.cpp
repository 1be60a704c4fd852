// The client and server natives end to end against a loopback peer the test holds.

#include "net_program.h"

using namespace nettest;

// "localhost" reaches the loopback address and parameters after ';' are ignored. Bytes as
// 0..255, nothing for a zero length, available always 0 (even with data waiting), -1 at the
// end of the stream with and without an array; each clears a stale error. The bounds tests
// hold for extreme int arguments.
TEST(SocketClient, ReadResultsAndBounds) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link, "localhost", ";timeout=30");
    Ref in = jbytes(8);
    peer_send(link.peer, std::string("\xff\x00\x7f", 3));
    rt_set_error(ERR_UNKNOWN, 1);
    EXPECT_EQ(took(sock_read(conn, nullptr, 0, 1)), want(255));
    EXPECT_EQ(sock_read(conn, nullptr, 0, 1), 0);
    EXPECT_EQ(sock_read(conn, nullptr, 0, 1), 127);
    EXPECT_EQ(sock_read(conn, in, 8, 0), 0);
    EXPECT_EQ(sock_write(conn, in, 0, 0), 0);
    rt_set_error(ERR_UNKNOWN, 1);
    EXPECT_EQ(took(sock_available(conn)), want(0));
    peer_send(link.peer, "z");
    const jint cases[][2] = {{1, INT_MAX}, {INT_MAX, 1}, {8, 1}, {-1, 2}, {0, -1}, {9, 0}, {7, 2}};
    for (const auto& [offset, length] : cases) {
      SCOPED_TRACE(std::to_string(offset) + "," + std::to_string(length));
      EXPECT_EQ(took(sock_read(conn, in, offset, length)), want(0, ERR_INDEX_OUT_OF_BOUNDS));
      EXPECT_EQ(took(sock_write(conn, in, offset, length)), want(0, ERR_INDEX_OUT_OF_BOUNDS));
    }
    EXPECT_TRUE(peer_is_quiet(link.peer));    // no write went out
    EXPECT_EQ(sock_read(conn, in, 7, 1), 1);  // the last byte is in range
    EXPECT_EQ(bytes_of(in, 7, 1), "z");
    peer_close(std::exchange(link.peer, -1));
    EXPECT_EQ(took(sock_read(conn, in, 0, 4)), want(-1));
    EXPECT_EQ(took(sock_read(conn, nullptr, 0, 1)), want(-1));
  });
}

// A null object, or an array without storage, is a null pointer; after the first close
// every call is a socket error.
TEST(SocketClient, NullObjectsAndClosedConnectionsRefuseEveryCall) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    Ref buf = jbytes(4), bare = jbytes(4);
    void* storage = rt_array(bare)->storage;
    rt_array(bare)->storage = nullptr;
    const std::function<jint(Ref, Ref)> calls[] = {
        [](Ref c, Ref b) { return sock_read(c, b, 0, 2); },
        [](Ref c, Ref) { return sock_write(c, nullptr, 1, 1); },
        [](Ref c, Ref) { return sock_available(c); },
        [](Ref c, Ref) { return (sock_close(c), 0); },
    };
    for (const auto& call : calls) EXPECT_EQ(took(call(nullptr, buf)), want(0, ERR_NULL_POINTER));
    EXPECT_EQ(took(calls[0](conn, bare)), want(0, ERR_NULL_POINTER));
    rt_array(bare)->storage = storage;
    rt_set_error(ERR_UNKNOWN, 1);
    sock_close(conn);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(handle<SocketProtocol>(conn), -1);
    EXPECT_TRUE(peer_sees_end(link.peer));
    for (const auto& call : calls) EXPECT_EQ(took(call(conn, buf)), want(0, ERR_SOCKET));
    EXPECT_GT(rt_error_line(), 0);
  });
}

// A server listens on the port it names and accepts a connection that carries data both
// ways (a read fills the array from its offset, a write sends only the range asked, a byte
// write the low 8 bits of its value, the length unused); once closed (as one never opened)
// nothing listens and every call is a server socket error; a null object is a null pointer.
TEST(SocketServer, ListensAcceptsAndCloses) {
  run_net_program([] {
    int port = free_port();
    Ref srv = new_protocol<ServerProtocol>();
    srv_open(srv, jstr("//:" + std::to_string(port)), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    ASSERT_GE(handle<ServerProtocol>(srv), 0);
    EXPECT_EQ(local_port(handle<ServerProtocol>(srv)), port);
    os_handle client = peer_connect(port);
    ASSERT_GE(client, 0);
    Ref conn = new_protocol<SocketProtocol>(srv_accept(srv));
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    ASSERT_GE(handle<SocketProtocol>(conn), 0);
    peer_send(client, "ping");
    Ref in = jbytes(6);
    for (jint got = 0, n; got < 4; got += n)
      ASSERT_GT(n = sock_read(conn, in, 2 + got, 4 - got), 0);
    EXPECT_EQ(bytes_of(in, 0, 6), std::string(2, '\0') + "ping");
    EXPECT_EQ(sock_write(conn, jbytes("<<pong>>"), 2, 4), 4);
    EXPECT_EQ(sock_write(conn, nullptr, 0x12321, 99), 1);
    EXPECT_EQ(peer_recv(client, 5), "pong!");
    sock_close(conn);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_TRUE(peer_sees_end(client));
    peer_close(client);
    srv_close(srv);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(handle<ServerProtocol>(srv), -1);
    EXPECT_EQ(peer_connect(port), -1);
    srv_close(srv);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
    EXPECT_EQ(took(srv_accept(new_protocol<ServerProtocol>())), want(-1, ERR_SERVER_SOCKET));
    EXPECT_EQ(took(srv_accept(nullptr)), want(-1, ERR_NULL_POINTER));
  });
}
