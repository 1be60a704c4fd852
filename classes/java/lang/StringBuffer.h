// java/lang/StringBuffer
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct StringBuffer {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref value;  // char array; its length is the capacity
    jint count;
    jbool shared;  // a String made by toString() uses value
  };
  JAVA_FIELDS(Object)

  static void init(Ref self);
  static void init(Ref self, jint length);
  static void init(Ref self, Ref str);
  static jint length(Ref self);
  static jint capacity(Ref self);
  static void ensureCapacity(Ref self, jint minimumCapacity);
  static void setLength(Ref self, jint newLength);
  static jchar charAt(Ref self, jint index);
  static void getChars(Ref self, jint srcBegin, jint srcEnd, Ref dst, jint dstBegin);
  static void setCharAt(Ref self, jint index, jchar ch);
  static Ref append(Ref self, Ref obj);  // append(Object)
  static Ref appendString(Ref self, Ref str);
  static Ref appendChars(Ref self, Ref str);
  static Ref appendChars(Ref self, Ref str, jint offset, jint len);
  static Ref appendBoolean(Ref self, jbool b);
  static Ref appendChar(Ref self, jchar c);
  static Ref append(Ref self, jint i);
  static Ref append(Ref self, jlong l);
  static Ref deleteChars(Ref self, jint start, jint end);  // delete(int, int)
  static Ref deleteCharAt(Ref self, jint index);
  static Ref insert(Ref self, jint offset, Ref obj);  // insert(int, Object)
  static Ref insertString(Ref self, jint offset, Ref str);
  static Ref insertChars(Ref self, jint offset, Ref str);
  static Ref insertBoolean(Ref self, jint offset, jbool b);
  static Ref insertChar(Ref self, jint offset, jchar c);
  static Ref insert(Ref self, jint offset, jint i);
  static Ref insert(Ref self, jint offset, jlong l);
  static Ref reverse(Ref self);
  static Ref toString(Ref self);
};

}  // namespace java::lang
