// The server natives: listen, accept a client the test connects, close.
#include <gtest/gtest.h>

#include "link.h"

using namespace nettest;

namespace {

Ref open_server(const std::string& name) {
  Ref srv = new_protocol<ServerProtocol>();
  srv_open(srv, jstr(name), 3, 0);
  EXPECT_EQ(rt_take_error(), ERR_NONE) << name;
  return srv;
}

}  // namespace

TEST(SocketServer, AcceptsAClientAndTheConnectionCarriesDataBothWays) {
  run_net_program([] {
    Ref srv = open_server("//:0");
    ASSERT_GE(handle<ServerProtocol>(srv), 0);
    int port = local_port(handle<ServerProtocol>(srv));
    os_handle client = peer_connect(port);
    ASSERT_GE(client, 0);
    jint h = srv_accept(srv);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    ASSERT_GE(h, 0);
    Ref conn = new_protocol<SocketProtocol>();
    SocketProtocol::f(conn).handle = h;
    peer_send(client, "ping");
    Ref in = jbytes(4);
    jint got = 0;
    while (got < 4) {
      jint n = sock_read(conn, in, got, 4 - got);
      ASSERT_GT(n, 0);
      got += n;
    }
    EXPECT_EQ(bytes_of(in, 0, 4), "ping");
    EXPECT_EQ(sock_write(conn, jbytes("pong"), 0, 4), 4);
    EXPECT_EQ(peer_recv(client, 4), "pong");
    sock_close(conn);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_TRUE(peer_sees_end(client));
    peer_close(client);
    srv_close(srv);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
  });
}

TEST(SocketServer, ListensOnTheNamedPort) {
  run_net_program([] {
    int port = free_port();
    Ref srv = open_server("//:" + std::to_string(port));
    EXPECT_EQ(local_port(handle<ServerProtocol>(srv)), port);
    os_handle client = peer_connect(port);
    EXPECT_GE(client, 0);
    EXPECT_GE(srv_accept(srv), 0);
    peer_close(client);
  });
}

TEST(SocketServer, CloseTwiceSetsServerSocketErrorAndTheListenerIsGone) {
  run_net_program([] {
    Ref srv = open_server("//:0");
    int port = local_port(handle<ServerProtocol>(srv));
    srv_close(srv);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(handle<ServerProtocol>(srv), -1);
    EXPECT_EQ(peer_connect(port), -1);  // nothing listens any more
    srv_close(srv);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
    EXPECT_EQ(srv_accept(srv), -1);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
  });
}

TEST(SocketServer, ASecondServerOnABusyPortFails) {
  run_net_program([] {
    Ref first = open_server("//:0");
    int port = local_port(handle<ServerProtocol>(first));
    Ref second = new_protocol<ServerProtocol>();
    srv_open(second, jstr("//:" + std::to_string(port)), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
    EXPECT_EQ(handle<ServerProtocol>(second), -1);
    os_handle client = peer_connect(port);  // the first still takes clients
    ASSERT_GE(client, 0);
    EXPECT_GE(srv_accept(first), 0);
    peer_close(client);
  });
}

TEST(SocketServer, AcceptOnANullObjectIsNullPointer) {
  run_net_program([] {
    rt_take_error();
    EXPECT_EQ(srv_accept(nullptr), -1);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    srv_close(nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
  });
}

TEST(SocketServer, AcceptOnAnUnopenedObjectIsServerSocketError) {
  run_net_program([] {
    Ref srv = new_protocol<ServerProtocol>();
    EXPECT_EQ(srv_accept(srv), -1);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
  });
}
