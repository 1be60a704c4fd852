// Start and stop of the socket layer, datagrams, the release of sockets by the collector's
// hook (the host's own release table, as the host's hook uses it) and at teardown.
#include <algorithm>

#include "net_program.h"

using namespace nettest;

namespace {

// The datagram natives fail with one code (null self: 1 whatever the code): the open, and
// one of the others, which share their refusal.
void expect_datagrams_fail(int32_t code) {
  Ref dg = new_protocol<DatagramProtocol>();
  const std::function<jlong(Ref)> calls[] = {
      [](Ref d) { return (dgram_open(d, 3, 0, 5000), 0); },
      [](Ref d) { return dgram_receive(d, nullptr); },
  };
  for (const auto& call : calls) {
    EXPECT_EQ(took(call(dg)), want(jlong{0}, code));
    EXPECT_EQ(took(call(nullptr)), want(jlong{0}, ERR_NULL_POINTER));
  }
  EXPECT_EQ(handle<DatagramProtocol>(dg), -1);
}

const char* const kSocketClass = "com/sun/cldc/io/j2me/socket/Protocol";

}  // namespace

// Cleanup closes the sockets still open, whose objects go stale. Before start-up each
// family fails with its own code; started again, the same open succeeds.
TEST(SocketLifecycle, StopAndStartOfTheSocketLayer) {
  run_net_program([] {
    expect_datagrams_fail(ERR_NOT_IMPLEMENTED);
    Link link;
    Ref conn = connect_link(link);
    net_cleanup();
    EXPECT_TRUE(peer_sees_end(link.peer));
    Ref name = jstr("//127.0.0.1:" + std::to_string(local_port(link.listener)));
    Ref again = new_protocol<SocketProtocol>();
    sock_open(again, name, 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SOCKET);
    EXPECT_FALSE(peer_has_client(link.listener));
    Ref srv = new_protocol<ServerProtocol>();
    srv_open(srv, jstr("//:0"), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_SERVER_SOCKET);
    EXPECT_EQ(took(srv_accept(srv)), want(-1, ERR_SERVER_SOCKET));
    expect_datagrams_fail(ERR_DATAGRAM_SOCKET);
    net_startup();
    EXPECT_EQ(took(sock_write(conn, nullptr, 1, 1)), want(0, ERR_SOCKET));
    sock_open(again, name, 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_TRUE(peer_has_client(link.listener));
  });
}

template <class C>
__attribute__((noinline)) void drop_object_with_handle(jint h) {
  new_protocol<C>(h);
}

// The release routine closes the socket of the three protocol classes only (leaving the
// field as it is: the object is going); a released handle is no longer one of ours. The
// collector leaves a reachable connection open, and releasing a dropped object never
// closes a handle the module did not open (such as the 0 of a never-opened object). The
// teardown closes the connection still referenced.
TEST(SocketLifecycle, ReleaseClosesTheModulesSocketsOfTheProtocolClassesOnly) {
  Link other;
  run_net_program([&] {
    Ref volatile kept = connect_link(other);
    int port = 0;
    os_handle foreign = peer_listen(&port);
    drop_object_with_handle<SocketProtocol>(static_cast<jint>(foreign));
    drop_object_with_handle<DatagramProtocol>(static_cast<jint>(foreign));
    drop_object_with_handle<ServerProtocol>(-1);
    scrub_stack();
    rt_collect();
    EXPECT_EQ(std::count(host_log.released.begin(), host_log.released.end(), kSocketClass), 1);
    EXPECT_EQ(sock_write(kept, nullptr, 'r', 1), 1);
    EXPECT_EQ(peer_recv(other.peer, 1), "r");
    EXPECT_TRUE(peer_is_open(foreign));
    Ref stranger = new_protocol<SocketProtocol>(static_cast<jint>(foreign));
    EXPECT_EQ(took(sock_read(stranger, nullptr, 0, 1)), want(0, ERR_SOCKET));
    peer_close(foreign);
    Link link;
    Ref conn = connect_link(link);
    jint h = handle<SocketProtocol>(conn);
    EXPECT_EQ(net_release_resources(conn, "com/sun/kjava/Database"), 0);
    EXPECT_EQ(net_release_resources(nullptr, kSocketClass), 0);
    EXPECT_TRUE(peer_is_quiet(link.peer));  // still open
    EXPECT_EQ(net_release_resources(conn, kSocketClass), 1);
    EXPECT_TRUE(peer_sees_end(link.peer));
    EXPECT_EQ(handle<SocketProtocol>(conn), h);
    EXPECT_EQ(net_release_resources(conn, kSocketClass), 1);
    EXPECT_EQ(took(sock_write(conn, nullptr, 1, 1)), want(0, ERR_SOCKET));
    Ref srv = new_protocol<ServerProtocol>();
    srv_open(srv, jstr("//:0"), 3, 0);
    port = local_port(handle<ServerProtocol>(srv));
    EXPECT_EQ(net_release_resources(srv, "com/sun/cldc/io/j2me/serversocket/Protocol"), 1);
    EXPECT_EQ(peer_connect(port), -1);
    EXPECT_TRUE(peer_is_quiet(other.peer));
  });
  EXPECT_TRUE(peer_sees_end(other.peer));
}
