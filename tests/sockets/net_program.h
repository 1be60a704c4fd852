// What the socket tests share: the core library's program with the socket layer started,
// the protocol classes, names and arrays, and a connection to a loopback peer the test holds.
#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "class_code.h"
#include "class_lists.h"
#include "com/sun/cldc/io/j2me/datagram/Protocol.h"
#include "com/sun/cldc/io/j2me/serversocket/Protocol.h"
#include "com/sun/cldc/io/j2me/socket/Protocol.h"
#include "loopback_peer.h"
#include "natives/net.h"
#include "program.h"
#include "threads/coop.h"

namespace nettest {

// The library's protocol classes: the handle is their first field.
using SocketProtocol = com::sun::cldc::io::j2me::socket::Protocol;
using ServerProtocol = com::sun::cldc::io::j2me::serversocket::Protocol;
using DatagramProtocol = com::sun::cldc::io::j2me::datagram::Protocol;

// The core library's program (run_program), the socket layer started first.
void run_net_program(const std::function<void()>& body);

// A new protocol object with its handle field set to h (-1, as a constructor leaves it).
template <class C>
Ref new_protocol(jint h = -1) {
  Ref o = rt_new_object(idx<C>());
  C::f(o).handle = h;
  return o;
}
template <class C>
jint handle(Ref o) {
  return C::f(o).handle;
}

// A String of text; a byte array of text's bytes or of n zeros; bytes of one.
inline Ref jstr(const std::u16string& text) { return jstr16(text); }
inline Ref jstr(const std::string& text) { return rt_new_string(text.c_str()); }
Ref jbytes(const std::string& text);
Ref jbytes(jint n);
std::string bytes_of(Ref array, jint offset, jint count);

// A connection of ours to a listener the test opened, with the test's end accepted.
struct Link {
  os_handle listener = -1, peer = -1;
  ~Link() {
    peer_close(peer);
    peer_close(listener);
  }
};
// Opens a socket Protocol object to "//host:<port>" + suffix; fails the test on an error.
Ref connect_link(Link& link, const std::string& host = "127.0.0.1", const std::string& suffix = "");

}  // namespace nettest
