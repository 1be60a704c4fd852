// com/sun/cldc/io/j2me/socket/PrivateInputStream
#include "com/sun/cldc/io/j2me/socket/PrivateInputStream.h"

#include "com/sun/cldc/io/j2me/socket/Protocol.h"
#include "java/io/IOException.h"
#include "java/io/InterruptedIOException.h"
#include "java/lang/Thread.h"
#include "natives/net.h"

namespace com::sun::cldc::io::j2me::socket {

using java::io::InputStream;

ClassDecl PrivateInputStream::klass = {
    .name = "com/sun/cldc/io/j2me/socket/PrivateInputStream",
    .super = &InputStream::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(parent)},
    .methods = {impl(InputStream::m_read, &PrivateInputStream::read),
                impl(InputStream::m_close, &PrivateInputStream::close)},
    .uses = {&com::sun::cldc::io::j2me::socket::Protocol::klass, &java::io::IOException::klass,
             &java::io::InputStream::klass, &java::io::InterruptedIOException::klass,
             &java::lang::Thread::klass},
};

void PrivateInputStream::init(Ref self, Ref parent) {
  InputStream::init(self);
  f(self).parent = parent;
  f(self).eof = 0;
}

static void ensureOpen(Ref self) {
  if (!PrivateInputStream::f(self).parent)
    jthrow(jnew<java::io::IOException>(lit("Stream closed")));
}

// -2 from the native means nothing yet: let the other threads run and ask again. Once the
// end is seen the host is not asked again.
jint PrivateInputStream::read(Ref self) {
  ensureOpen(self);
  if (f(self).eof) return -1;
  jint res = native(sock_read, f(self).parent, nullptr, 0, 1);
  while (res == -2) {
    java::lang::Thread::yield();
    if (!f(self).parent) break;
    res = native(sock_read, f(self).parent, nullptr, 0, 1);
  }
  if (res == -1) f(self).eof = 1;
  if (!f(self).parent) jthrow(jnew<java::io::InterruptedIOException>());
  return res;
}

void PrivateInputStream::close(Ref self) {
  if (f(self).parent) {
    ensureOpen(self);
    Protocol::realClose(f(self).parent);
    Protocol::f(f(self).parent).inputOpened = 0;
    f(self).parent = nullptr;
  }
}

}  // namespace com::sun::cldc::io::j2me::socket
