// Sockets released through the host's real release hook, with the library's own
// protocol classes: what a program does when the collector frees a connection.
#include <gtest/gtest.h>

#include "class_lists.h"
#include "com/sun/cldc/io/j2me/serversocket/Protocol.h"
#include "com/sun/cldc/io/j2me/socket/Protocol.h"
#include "loopback_peer.h"
#include "net_program.h"

using namespace nettest;
namespace socket_ = com::sun::cldc::io::j2me::socket;
namespace server_ = com::sun::cldc::io::j2me::serversocket;

// The runtime calls these hooks; naming them here links them in from the host's library.
__attribute__((used)) static void* const kHostHooks[] = {
    reinterpret_cast<void*>(&natives_init), reinterpret_cast<void*>(&natives_shutdown),
    reinterpret_cast<void*>(&host_release_resources), reinterpret_cast<void*>(&host_fatal_display)};

namespace {

// A connection object that nothing references once this returns.
__attribute__((noinline)) void open_and_drop_connection(int port) {
  Ref con = jnew<socket_::Protocol>();
  sock_open(con, lit(("//127.0.0.1:" + std::to_string(port)).c_str()), 3, 0);
  EXPECT_EQ(rt_take_error(), ERR_NONE);
  EXPECT_GE(socket_::Protocol::f(con).handle, 0);
}

__attribute__((noinline)) int open_and_drop_server() {
  Ref srv = jnew<server_::Protocol>();
  srv_open(srv, lit("//:0"), 3, 0);
  EXPECT_EQ(rt_take_error(), ERR_NONE);
  return local_port(server_::Protocol::f(srv).handle);
}

}  // namespace

TEST(SocketHostHook, CollectedConnectionHasItsSocketClosed) {
  run_classes(cldc_core_classes(), [] {
    int port = 0;
    os_handle listener = peer_listen(&port);
    open_and_drop_connection(port);
    os_handle peer = peer_accept(listener);
    EXPECT_TRUE(peer_is_quiet(peer));
    scrub_stack();
    rt_collect();
    EXPECT_TRUE(peer_sees_end(peer));
    peer_close(peer);
    peer_close(listener);
  });
}

TEST(SocketHostHook, CollectedServerStopsListening) {
  run_classes(cldc_core_classes(), [] {
    int port = open_and_drop_server();
    os_handle probe = peer_connect(port);
    EXPECT_GE(probe, 0);
    peer_close(probe);
    scrub_stack();
    rt_collect();
    EXPECT_EQ(peer_connect(port), -1);
  });
}

TEST(SocketHostHook, TeardownClosesAConnectionStillReferenced) {
  int port = 0;
  os_handle listener = peer_listen(&port);
  os_handle peer = -1;
  run_classes(cldc_core_classes(), [&] {
    Ref con = jnew<socket_::Protocol>();
    sock_open(con, lit(("//127.0.0.1:" + std::to_string(port)).c_str()), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    peer = peer_accept(listener);
    EXPECT_TRUE(peer_is_quiet(peer));
  });
  EXPECT_TRUE(peer_sees_end(peer));
  peer_close(peer);
  peer_close(listener);
}
