// com/sun/cldc/i18n/Helper
#pragma once
#include "java/lang/Object.h"

namespace com::sun::cldc::i18n {

struct Helper {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    uintptr_t microEdition;
    Ref defaultEncoding;
    Ref defaultMEPath;
  };
  JAVA_STATICS
  // byteToCharArray and charToByteArray, with the caches only they use.
  static Operations conversions;
  struct Caches {
    Ref lastReaderEncoding;
    Ref lastReader;  // com/sun/cldc/i18n/StreamReader
    Ref lastWriterEncoding;
    Ref lastWriter;  // com/sun/cldc/i18n/StreamWriter
  };
  static Caches& C() {
    if (!conversions.statics) rt_fatal("Bad class index.");  // a program that does not name them
    return *reinterpret_cast<Caches*>(conversions.statics);
  }

  static void staticInit();
  static Ref getStreamReader(Ref is);
  static Ref getStreamReader(Ref is, Ref enc);
  static Ref getStreamReaderPrim(Ref name);
  static Ref getStreamWriter(Ref os);
  static Ref getStreamWriter(Ref os, Ref enc);
  static Ref getStreamWriterPrim(Ref name);
  static Ref byteToCharArray(Ref buffer, jint offset, jint length);
  static Ref charToByteArray(Ref buffer, jint offset, jint length);
  static Ref byteToCharArray(Ref buffer, jint offset, jint length, Ref enc);
  static Ref charToByteArray(Ref buffer, jint offset, jint length, Ref enc);
};

}  // namespace com::sun::cldc::i18n
