// Test doubles for the socket natives, until the network module can be linked into this
// test program: no socket ever opens. Each follows the error side of its contract.
#include "harness.h"
#include "java/lang/String.h"
#include "natives/net.h"

void net_startup() {}

void sock_open(Ref self, Ref name, jint, jbool) {
  rt_take_error();
  if (!self || !name) return rt_set_error(ERR_NULL_POINTER, __LINE__);
  std::string n = jstring_bytes(name);
  if (n.rfind("//", 0) != 0) return rt_set_error(ERR_ILLEGAL_ARGUMENT, __LINE__);
  if (n.size() > 2 && n[2] == ':') return rt_set_error(ERR_INTERRUPTED, __LINE__);
  rt_set_error(ERR_SOCKET, __LINE__);
}

jint sock_read(Ref, Ref, jint, jint) { return rt_set_error(ERR_SOCKET, __LINE__), 0; }
jint sock_write(Ref, Ref, jint, jint) { return rt_set_error(ERR_SOCKET, __LINE__), 0; }
jint sock_available(Ref) { return rt_set_error(ERR_SOCKET, __LINE__), 0; }
void sock_close(Ref) { rt_set_error(ERR_SOCKET, __LINE__); }

void srv_open(Ref self, Ref name, jint, jbool) {
  rt_take_error();
  if (!self || !name) return rt_set_error(ERR_NULL_POINTER, __LINE__);
  rt_set_error(ERR_SERVER_SOCKET, __LINE__);
}
jint srv_accept(Ref) { return rt_set_error(ERR_SERVER_SOCKET, __LINE__), -1; }
void srv_close(Ref) { rt_set_error(ERR_SERVER_SOCKET, __LINE__); }

void dgram_open(Ref self, jint, jbool, jint) {
  rt_take_error();
  rt_set_error(self ? ERR_NOT_IMPLEMENTED : ERR_NULL_POINTER, __LINE__);
}
jint dgram_close(Ref self) {
  rt_take_error();
  rt_set_error(self ? ERR_NOT_IMPLEMENTED : ERR_NULL_POINTER, __LINE__);
  return 0;
}
