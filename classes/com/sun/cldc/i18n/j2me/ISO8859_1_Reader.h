// com/sun/cldc/i18n/j2me/ISO8859_1_Reader
#pragma once
#include "com/sun/cldc/i18n/StreamReader.h"

namespace com::sun::cldc::i18n::j2me {

struct ISO8859_1_Reader {
  static ClassDecl klass;
  JAVA_NO_FIELDS(StreamReader)

  static void init(Ref self);
  static jint read(Ref self);
  static jint read(Ref self, Ref cbuf, jint off, jint len);
  static jint sizeOf(Ref self, Ref b, jint off, jint len);
};

}  // namespace com::sun::cldc::i18n::j2me
