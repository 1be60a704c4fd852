// java/io/OutputStreamWriter
#pragma once
#include "java/io/Writer.h"

namespace java::io {

struct OutputStreamWriter {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref out;  // com/sun/cldc/i18n/StreamWriter doing the conversion
  };
  JAVA_FIELDS(Writer)

  static void init(Ref self, Ref os);
  static void init(Ref self, Ref os, Ref enc);
  static void write(Ref self, jint c);
  static void write(Ref self, Ref cbuf, jint off, jint len);
  static void writeString(Ref self, Ref str, jint off, jint len);
  static void flush(Ref self);
  static void close(Ref self);
};

}  // namespace java::io
