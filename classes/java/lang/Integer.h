// java/lang/Integer
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct Integer {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint value;
  };
  JAVA_FIELDS(Object)
  struct Statics {
    Ref digits;  // char[36]: '0'..'9', then 'a'..'z'
  };
  JAVA_STATICS

  static constexpr jint MIN_VALUE = INT32_MIN;
  static constexpr jint MAX_VALUE = INT32_MAX;

  static void staticInit();
  static Ref toString(jint i, jint radix);
  static Ref toHexString(jint i);
  static Ref toOctalString(jint i);
  static Ref toBinaryString(jint i);
  static Ref toString(jint i);
  static jint parseInt(Ref s, jint radix);
  static jint parseInt(Ref s);
  static Ref valueOf(Ref s, jint radix);
  static Ref valueOf(Ref s);
  static void init(Ref self, jint value);
  static jbyte byteValue(Ref self);
  static jshort shortValue(Ref self);
  static jint intValue(Ref self);
  static jlong longValue(Ref self);
  static Ref toString(Ref self);
  static jint hashCode(Ref self);
  static jbool equals(Ref self, Ref obj);
};

// The formatting and parsing rules of Integer, shared by Long over the long range.
template <class T>
Ref format_signed(T i, jint radix);
template <class T>
T parse_signed(Ref s, jint radix);

}  // namespace java::lang
