// What the socket tests share.
#include "net_program.h"

namespace nettest {

void run_net_program(const std::function<void()>& body) {
  run_program(cldc_core_classes(), [&body] {
    net_startup();  // as the connection base class's initialiser does
    body();
  });
}

Ref jbytes(const std::string& text) {
  Ref a = jbytes(static_cast<jint>(text.size()));
  memcpy(elements<char>(a), text.data(), text.size());
  return a;
}

Ref jbytes(jint n) { return new_byte_array(n); }

std::string bytes_of(Ref array, jint offset, jint count) {
  return std::string(elements<char>(array) + offset, static_cast<size_t>(count));
}

Ref connect_link(Link& link, const std::string& host, const std::string& suffix) {
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
