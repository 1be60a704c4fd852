// java/io/Reader
#include "java/io/Reader.h"

#include "java/lang/IllegalArgumentException.h"

namespace java::io {

ClassDecl Reader::klass = {
    .name = "java/io/Reader",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(lock), JAVA_REF(skipBuffer)},
    .methods = {impl(m_read, &Reader::read), abstract_method(m_readChars),
                impl(m_skip, &Reader::skip), impl(m_ready, &Reader::ready),
                abstract_method(m_close)},
    .uses = {&java::lang::IllegalArgumentException::klass},
};

constexpr jint kMaxSkipBufferSize = 8192;

void Reader::init(Ref self) {
  java::lang::Object::init(self);
  f(self).lock = self;
}

jint Reader::read(Ref self) {
  Ref volatile cb = new_char_array(1);
  if (vcall(m_readChars, self, cb, 0, 1) == -1) return -1;
  return elements<jchar>(cb)[0];
}

jint Reader::readChars(Ref self, Ref cbuf) { return vcall(m_readChars, self, cbuf, 0, alen(cbuf)); }

jlong Reader::skip(Ref self, jlong n) {
  if (n < 0) jthrow(jnew<java::lang::IllegalArgumentException>(lit("skip value is negative")));
  jint nn = static_cast<jint>(n < kMaxSkipBufferSize ? n : kMaxSkipBufferSize);
  rt_monitor_enter(f(self).lock);
  if (!f(self).skipBuffer || alen(f(self).skipBuffer) < nn) f(self).skipBuffer = new_char_array(nn);
  jlong r = n;
  while (r > 0) {
    jint nc = vcall(m_readChars, self, f(self).skipBuffer, 0, static_cast<jint>(r < nn ? r : nn));
    if (nc == -1) break;
    r -= nc;
  }
  rt_monitor_exit(f(self).lock);
  return n - r;
}

jbool Reader::ready(Ref) { return 0; }

}  // namespace java::io
