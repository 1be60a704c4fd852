// com/sun/cldc/io/j2me/debug/PrivateOutputStream
#include "com/sun/cldc/io/j2me/debug/PrivateOutputStream.h"

#include "com/sun/cldc/io/j2me/debug/Protocol.h"
#include "java/io/IOException.h"
#include "java/lang/system_natives.h"

namespace com::sun::cldc::io::j2me::debug {

using java::io::OutputStream;

ClassDecl PrivateOutputStream::klass = {
    .name = "com/sun/cldc/io/j2me/debug/PrivateOutputStream",
    .super = &OutputStream::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(parent)},
    .methods = {impl(OutputStream::m_write, &PrivateOutputStream::write),
                impl(OutputStream::m_writeArray, &PrivateOutputStream::write),
                impl(OutputStream::m_close, &PrivateOutputStream::close)},
    .uses = {&com::sun::cldc::io::j2me::debug::Protocol::klass, &java::io::IOException::klass,
             &java::io::OutputStream::klass},
};

void PrivateOutputStream::init(Ref self, Ref parent) {
  OutputStream::init(self);
  f(self).parent = parent;
}

// One UTF-16 code unit to the console.
void PrivateOutputStream::write(Ref self, jint b) {
  if (!f(self).parent) jthrow(jnew<java::io::IOException>(lit("Connection closed")));
  native(con_write_char, b & 0xffff);
}

// Array elements are bytes: each goes out as its unsigned value, not as the sign-extended
// int that would reach the console as a char from U+FF80 up.
void PrivateOutputStream::write(Ref self, Ref b, jint off, jint len) {
  Ref volatile keep = b;
  check_bounds(b, off, len);
  for (jint i = 0; i < len; i++) write(self, rt_array_load8(keep, off + i) & 0xff);
}

// Makes room for another stream on the same connection.
void PrivateOutputStream::close(Ref self) {
  if (f(self).parent) {
    Protocol::f(f(self).parent).opened = 0;
    f(self).parent = nullptr;
  }
}

}  // namespace com::sun::cldc::io::j2me::debug
