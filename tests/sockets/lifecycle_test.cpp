// Start and stop of the socket layer, datagrams, the release of sockets by the collector's
// hook and at teardown (the collector's own release is in the host hook test).
#include <gtest/gtest.h>

#include <algorithm>

#include "link.h"
#include "threads/coop.h"

using namespace nettest;

namespace {

bool released(const std::string& className) {
  return std::count(host_log.released.begin(), host_log.released.end(), className) > 0;
}

template <class C>
__attribute__((noinline)) void drop_object_with_handle(jint h) {
  Ref o = new_protocol<C>();
  C::f(o).handle = h;
}

void collect_garbage() {
  scrub_stack();
  rt_collect();
}

}  // namespace

TEST(SocketLifecycle, BeforeStartUpEveryOpenFailsWithItsFamilysCode) {
  run_net_program([] {
    net_cleanup();
    int port = 0;
    os_handle listener = peer_listen(&port);
    Ref conn = new_protocol<SocketProtocol>();
    sock_open(conn, jstr("//127.0.0.1:" + std::to_string(port)), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SOCKET);
    EXPECT_FALSE(peer_has_client(listener));
    Ref srv = new_protocol<ServerProtocol>();
    srv_open(srv, jstr("//:0"), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
    EXPECT_EQ(srv_accept(srv), -1);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
    Ref dg = new_protocol<DatagramProtocol>();
    dgram_open(dg, 3, 0, 0);
    EXPECT_EQ(rt_take_error(), ERR_DATAGRAM_SOCKET);
    dgram_close(dg);
    EXPECT_EQ(rt_take_error(), ERR_DATAGRAM_SOCKET);
    dgram_send(dg, nullptr);
    EXPECT_EQ(rt_take_error(), ERR_DATAGRAM_SOCKET);
    EXPECT_EQ(dgram_receive(dg, nullptr), 0);
    EXPECT_EQ(rt_take_error(), ERR_DATAGRAM_SOCKET);
    dgram_get_maximum_length(dg);
    EXPECT_EQ(rt_take_error(), ERR_DATAGRAM_SOCKET);
    dgram_get_nominal_length(dg);
    EXPECT_EQ(rt_take_error(), ERR_DATAGRAM_SOCKET);

    net_startup();  // and once started, the same open succeeds
    sock_open(conn, jstr("//127.0.0.1:" + std::to_string(port)), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_TRUE(peer_has_client(listener));
    peer_close(listener);
  });
}

TEST(SocketLifecycle, CleanupClosesSocketsStillOpenAndTheirObjectsGoStale) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    net_cleanup();
    EXPECT_TRUE(peer_sees_end(link.peer));
    net_startup();
    EXPECT_EQ(sock_write(conn, nullptr, 1, 1), 0);  // its handle is no longer one of ours
    EXPECT_EQ(rt_take_error(), ERR_SOCKET);
  });
}

TEST(SocketLifecycle, DatagramsAreRefusedAsNotImplemented) {
  run_net_program([] {
    Ref dg = new_protocol<DatagramProtocol>();
    dgram_open(dg, 3, 0, 5000);
    EXPECT_EQ(rt_take_error(), ERR_NOT_IMPLEMENTED);
    EXPECT_EQ(handle<DatagramProtocol>(dg), -1);
    EXPECT_EQ(dgram_close(dg), 0);
    EXPECT_EQ(rt_take_error(), ERR_NOT_IMPLEMENTED);
    EXPECT_EQ(dgram_send(dg, nullptr), 0);
    EXPECT_EQ(rt_take_error(), ERR_NOT_IMPLEMENTED);
    EXPECT_EQ(dgram_receive(dg, nullptr), 0);
    EXPECT_EQ(rt_take_error(), ERR_NOT_IMPLEMENTED);
    EXPECT_EQ(dgram_get_maximum_length(dg), 0);
    EXPECT_EQ(rt_take_error(), ERR_NOT_IMPLEMENTED);
    EXPECT_EQ(dgram_get_nominal_length(dg), 0);
    EXPECT_EQ(rt_take_error(), ERR_NOT_IMPLEMENTED);
    dgram_open(nullptr, 3, 0, 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    dgram_close(nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    dgram_receive(nullptr, nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
  });
}

TEST(SocketLifecycle, ReleaseRoutineClosesTheSocketOfAConnection) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    jint h = handle<SocketProtocol>(conn);
    EXPECT_EQ(net_release_resources(conn, "com/sun/cldc/io/j2me/socket/Protocol"), 1);
    EXPECT_TRUE(peer_sees_end(link.peer));
    EXPECT_EQ(handle<SocketProtocol>(conn), h);  // the object is going; its field is left
    EXPECT_EQ(net_release_resources(conn, "com/sun/cldc/io/j2me/socket/Protocol"), 1);
    EXPECT_EQ(sock_write(conn, nullptr, 1, 1), 0);  // a released handle is not ours any more
    EXPECT_EQ(rt_take_error(), ERR_SOCKET);
  });
}

TEST(SocketLifecycle, ReleaseRoutineClosesAServerAndIgnoresOtherClasses) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    EXPECT_EQ(net_release_resources(conn, "test/Unrelated"), 0);
    EXPECT_EQ(net_release_resources(conn, "com/sun/kjava/Database"), 0);
    EXPECT_EQ(net_release_resources(nullptr, "com/sun/cldc/io/j2me/socket/Protocol"), 0);
    EXPECT_EQ(net_release_resources(conn, nullptr), 0);
    EXPECT_TRUE(peer_is_quiet(link.peer));  // still open
    EXPECT_EQ(sock_write(conn, nullptr, 'a', 1), 1);
    EXPECT_EQ(peer_recv(link.peer, 1), "a");

    Ref srv = new_protocol<ServerProtocol>();
    srv_open(srv, jstr("//:0"), 3, 0);
    int port = local_port(handle<ServerProtocol>(srv));
    EXPECT_EQ(net_release_resources(srv, "com/sun/cldc/io/j2me/serversocket/Protocol"), 1);
    EXPECT_EQ(peer_connect(port), -1);
  });
}

TEST(SocketLifecycle, CollectorLeavesAReachableConnectionOpen) {
  run_net_program([] {
    Link link;
    Ref conn = connect_link(link);
    collect_garbage();
    EXPECT_FALSE(released("com/sun/cldc/io/j2me/socket/Protocol"));
    EXPECT_EQ(sock_write(conn, nullptr, 'r', 1), 1);
    EXPECT_EQ(peer_recv(link.peer, 1), "r");
  });
}

TEST(SocketLifecycle, ReleaseNeverClosesAHandleTheModuleDidNotOpen) {
  run_net_program([] {
    int port = 0;
    os_handle foreign = peer_listen(&port);  // e.g. the 0 of a never-opened object
    drop_object_with_handle<SocketProtocol>(static_cast<jint>(foreign));
    drop_object_with_handle<DatagramProtocol>(static_cast<jint>(foreign));
    drop_object_with_handle<ServerProtocol>(-1);
    collect_garbage();
    EXPECT_EQ(host_log.released.size(), 3u);
    EXPECT_TRUE(peer_is_open(foreign));
    os_handle client = peer_connect(port);
    EXPECT_GE(client, 0);
    peer_close(client);
    Ref conn = new_protocol<SocketProtocol>();
    SocketProtocol::f(conn).handle = static_cast<jint>(foreign);
    EXPECT_EQ(sock_read(conn, nullptr, 0, 1), 0);
    EXPECT_EQ(rt_take_error(), ERR_SOCKET);
    peer_close(foreign);
  });
}
