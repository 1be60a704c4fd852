// The server natives: listen, accept a client the test connects, close.
#include "net_program.h"

using namespace nettest;

// A server listens on the port it names and accepts a connection that carries data both
// ways; a second server on its port fails; once closed (as one never opened) nothing
// listens and every call is a server socket error; a null object is a null pointer.
TEST(SocketServer, ListensAcceptsAndCloses) {
  run_net_program([] {
    int port = free_port();
    Ref srv = new_protocol<ServerProtocol>();
    srv_open(srv, jstr("//:" + std::to_string(port)), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    ASSERT_GE(handle<ServerProtocol>(srv), 0);
    EXPECT_EQ(local_port(handle<ServerProtocol>(srv)), port);
    Ref second = new_protocol<ServerProtocol>();
    srv_open(second, jstr("//:" + std::to_string(port)), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
    EXPECT_EQ(handle<ServerProtocol>(second), -1);
    os_handle client = peer_connect(port);
    ASSERT_GE(client, 0);
    Ref conn = new_protocol<SocketProtocol>(srv_accept(srv));
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    ASSERT_GE(handle<SocketProtocol>(conn), 0);
    peer_send(client, "ping");
    Ref in = jbytes(4);
    for (jint got = 0, n; got < 4; got += n) ASSERT_GT(n = sock_read(conn, in, got, 4 - got), 0);
    EXPECT_EQ(bytes_of(in, 0, 4), "ping");
    EXPECT_EQ(sock_write(conn, jbytes("pong"), 0, 4), 4);
    EXPECT_EQ(peer_recv(client, 4), "pong");
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
    EXPECT_EQ(took(srv_accept(srv)), want(-1, ERR_SERVER_SOCKET));
    EXPECT_EQ(took(srv_accept(new_protocol<ServerProtocol>())), want(-1, ERR_SERVER_SOCKET));
    EXPECT_EQ(took(srv_accept(nullptr)), want(-1, ERR_NULL_POINTER));
    srv_close(nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
  });
}
