// Test harness: the program of the core library, Java values, the link to a loopback peer.
#include "net_program.h"

#include "java/lang/Thread.h"

namespace nettest {

std::vector<std::string> released;

__attribute__((noinline)) void run_classes(const std::vector<ClassDecl*>& classes,
                                           const std::function<void()>& body) {
  released.clear();
  const ProgramImage& image = rt_build_program(classes);
  ASSERT_EQ(rt_init(image), 1);
  coop_init();
  Ref head = rt_new_object(image.threadClass);  // allocated, not constructed
  java::lang::Thread::f(head).priority = 5;
  coop_current()->arg = head;
  body();
  coop_shutdown();
  rt_shutdown();
}

void run_net_program(const std::function<void()>& body) {
  run_classes(cldc_core_classes(), [&body] {
    net_startup();  // as the connection base class's initialiser does
    body();
  });
}

Ref jstr(const std::u16string& text) {
  Ref s = rt_new_string(std::string(text.size(), ' ').c_str());
  std::copy(text.begin(), text.end(), elements<jchar>(rt_string(s)->value));
  return s;
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
