// java/io/PrintStream
#pragma once
#include "java/io/OutputStream.h"

namespace java::io {

struct PrintStream {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jbool trouble;
    Ref charOut;  // java/io/OutputStreamWriter
    Ref byteOut;  // java/io/OutputStream
    jbool closing;
  };
  JAVA_FIELDS(OutputStream)

  static inline Method<jbool(Ref)> m_checkError{"checkError()", &klass};
  static inline Method<void(Ref, Ref)> m_print{"print(Ljava/lang/String;)", &klass};
  static inline Method<void(Ref, Ref)> m_println{"println(Ljava/lang/String;)", &klass};

  static void init(Ref self, Ref out);
  static void flush(Ref self);
  static void close(Ref self);
  static jbool checkError(Ref self);
  static void write(Ref self, jint b);
  static void write(Ref self, Ref buf, jint off, jint len);
  static void printBoolean(Ref self, jbool b);
  static void printChar(Ref self, jchar c);
  static void print(Ref self, jint i);
  static void print(Ref self, jlong l);
  static void printChars(Ref self, Ref s);
  static void print(Ref self, Ref s);  // print(String)
  static void printObject(Ref self, Ref obj);
  static void println(Ref self);
  static void printlnBoolean(Ref self, jbool x);
  static void printlnChar(Ref self, jchar x);
  static void println(Ref self, jint x);
  static void println(Ref self, jlong x);
  static void printlnChars(Ref self, Ref x);
  static void println(Ref self, Ref x);  // println(String)
  static void printlnObject(Ref self, Ref x);
};

}  // namespace java::io
