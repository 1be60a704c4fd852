// com/sun/cldc/io/j2me/socket/PrivateOutputStream
#include "com/sun/cldc/io/j2me/socket/PrivateOutputStream.h"

#include "com/sun/cldc/io/j2me/socket/Protocol.h"
#include "java/io/IOException.h"
#include "java/lang/Thread.h"
#include "natives/net.h"

namespace com::sun::cldc::io::j2me::socket {

using java::io::OutputStream;

ClassDecl PrivateOutputStream::klass = {
    .name = "com/sun/cldc/io/j2me/socket/PrivateOutputStream",
    .super = &OutputStream::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(parent)},
    .methods = {impl(OutputStream::m_write, &PrivateOutputStream::write),
                impl(OutputStream::m_close, &PrivateOutputStream::close)},
    .uses = {&com::sun::cldc::io::j2me::socket::Protocol::klass, &java::io::IOException::klass,
             &java::io::OutputStream::klass, &java::lang::Thread::klass},
};

void PrivateOutputStream::init(Ref self, Ref parent) {
  OutputStream::init(self);
  f(self).parent = parent;
}

static void ensureOpen(Ref self) {
  if (!PrivateOutputStream::f(self).parent)
    jthrow(jnew<java::io::IOException>(lit("Stream closed")));
}

// 0 from the native means nothing could be sent yet: let the other threads run, retry.
void PrivateOutputStream::write(Ref self, jint b) {
  ensureOpen(self);
  while (native(sock_write, f(self).parent, nullptr, b, 1) == 0) {
    java::lang::Thread::yield();
    ensureOpen(self);
  }
}

void PrivateOutputStream::close(Ref self) {
  if (f(self).parent) {
    ensureOpen(self);
    Protocol::realClose(f(self).parent);
    Protocol::f(f(self).parent).outputOpened = 0;
    f(self).parent = nullptr;
  }
}

}  // namespace com::sun::cldc::io::j2me::socket
