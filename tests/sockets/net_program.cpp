// Test harness: the program with the network classes and the host hooks it needs.
#include "net_program.h"

#include <gtest/gtest.h>

#include <cstring>

#include "java/lang/Runnable.h"
#include "java/lang/String.h"
#include "java/lang/Thread.h"
#include "threads/coop.h"

using java::lang::Object;

namespace nettest {

HostLog host_log;

ClassDecl SocketProtocol::klass = {
    .name = "com/sun/cldc/io/j2me/socket/Protocol",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
};
ClassDecl ServerProtocol::klass = {
    .name = "com/sun/cldc/io/j2me/serversocket/Protocol",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
};
ClassDecl DatagramProtocol::klass = {
    .name = "com/sun/cldc/io/j2me/datagram/Protocol",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(host)},
};
ClassDecl Unrelated::klass = {
    .name = "test/Unrelated",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
};

static ClassDecl charArray = rt_array_class("[C");
static ClassDecl byteArray = rt_array_class("[B");

static std::vector<ClassDecl*> net_classes() {
  using namespace java::lang;
  return {&Object::klass,
          &String::klass,
          &charArray,
          &byteArray,
          &Runnable::klass,
          &Thread::klass,
          &SocketProtocol::klass,
          &ServerProtocol::klass,
          &DatagramProtocol::klass,
          &Unrelated::klass};
}

__attribute__((noinline)) void run_classes(const std::vector<ClassDecl*>& classes,
                                           const std::function<void()>& body) {
  host_log = HostLog{};
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
  run_classes(net_classes(), [&body] {
    net_startup();  // as the connection base class's initialiser does
    body();
  });
}

Ref jstr(const std::string& text) { return rt_new_string(text.c_str()); }

Ref jstr_with(const std::string& text, size_t at, jchar c) {
  Ref s = rt_new_string(text.c_str());
  elements<jchar>(rt_string(s)->value)[at] = c;
  return s;
}

Ref jbytes(const std::string& text) {
  Ref a = rt_new_array(byteArray.index, 1, static_cast<jint>(text.size()));
  memcpy(elements<char>(a), text.data(), text.size());
  return a;
}

Ref jbytes(jint n) { return rt_new_array(byteArray.index, 1, n); }

std::string bytes_of(Ref array, jint offset, jint count) {
  return std::string(elements<char>(array) + offset, static_cast<size_t>(count));
}

}  // namespace nettest
