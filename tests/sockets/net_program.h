// Test harness for the socket natives: a program whose class table holds the three
// network protocol classes, host hooks that release sockets through the module, and
// helpers to build names and arrays.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "class_code.h"
#include "coop_test.h"
#include "java/lang/Object.h"
#include "natives/net.h"
#include "threads/coop.h"

namespace nettest {

// What the host hooks saw during the last program.
struct HostLog {
  std::vector<std::string> released;  // class names of the freed objects the module handled
                                      // (filled by the test hooks, not by the real host)
  std::vector<std::string> fatals;
};
extern HostLog host_log;

// The three protocol classes with the handle as their first field, as the library lays them out.
struct SocketProtocol {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint handle;
    jint mode;
    jint openCount;
    jbool connectionOpen;
    jbool inputOpened;
    jbool outputOpened;
  };
  JAVA_FIELDS(java::lang::Object)
};
struct ServerProtocol {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint handle;
  };
  JAVA_FIELDS(java::lang::Object)
};
struct DatagramProtocol {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint handle;
    Ref host;
    jint port;
    jbool opened;
  };
  JAVA_FIELDS(java::lang::Object)
};
// Any other class with an int first field: its handle is not a socket.
struct Unrelated {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint handle;
  };
  JAVA_FIELDS(java::lang::Object)
};

// Builds a program of these classes, starts the runtime and the thread package, runs body
// as the head thread, then tears both down. Java references must live in frames below body.
void run_classes(const std::vector<ClassDecl*>& classes, const std::function<void()>& body);
// The same with the network classes, the socket layer started first.
void run_net_program(const std::function<void()>& body);

// A new protocol object with its handle field set to -1, as a constructor leaves it.
template <class C>
Ref new_protocol() {
  Ref o = rt_new_object(idx<C>());
  C::f(o).handle = -1;
  return o;
}
template <class C>
jint handle(Ref o) {
  return C::f(o).handle;
}

// A String of 8-bit text; name_with adds one 16-bit char at position `at`.
Ref jstr(const std::string& text);
Ref jstr_with(const std::string& text, size_t at, jchar c);
// A byte array holding the bytes of text (or n zero bytes).
Ref jbytes(const std::string& text);
Ref jbytes(jint n);
std::string bytes_of(Ref array, jint offset, jint count);

}  // namespace nettest
