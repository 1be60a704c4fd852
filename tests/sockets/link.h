// A connection of ours to a listener the test opened, with the test's end accepted.
#pragma once
#include <gtest/gtest.h>

#include "loopback_peer.h"
#include "net_program.h"

namespace nettest {

struct Link {
  os_handle listener = -1;
  os_handle peer = -1;  // the test's end of the connection
  ~Link() {
    peer_close(peer);
    peer_close(listener);
  }
};

// Opens a socket Protocol object to "//host:<port>" + suffix; fails the test on an error.
inline Ref connect_link(Link& link, const std::string& host = "127.0.0.1",
                        const std::string& suffix = "") {
  int port = 0;
  link.listener = peer_listen(&port);
  Ref conn = new_protocol<SocketProtocol>();
  sock_open(conn, jstr("//" + host + ":" + std::to_string(port) + suffix), 3, 0);
  EXPECT_EQ(rt_take_error(), ERR_NONE);
  EXPECT_GE(handle<SocketProtocol>(conn), 0);
  link.peer = peer_accept(link.listener);
  return conn;
}

}  // namespace nettest
