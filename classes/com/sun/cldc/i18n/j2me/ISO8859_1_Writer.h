// com/sun/cldc/i18n/j2me/ISO8859_1_Writer
#pragma once
#include "com/sun/cldc/i18n/StreamWriter.h"

namespace com::sun::cldc::i18n::j2me {

struct ISO8859_1_Writer {
  static ClassDecl klass;
  JAVA_NO_FIELDS(StreamWriter)

  static void init(Ref self);
  static void write(Ref self, jint c);
  static void write(Ref self, Ref cbuf, jint off, jint len);
  static void writeString(Ref self, Ref str, jint off, jint len);
  static jint sizeOf(Ref self, Ref cbuf, jint off, jint len);
};

}  // namespace com::sun::cldc::i18n::j2me
