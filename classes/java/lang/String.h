// java/lang/String
#pragma once
#include <initializer_list>

#include "java/lang/Object.h"

namespace java::lang {

struct String {
  static ClassDecl klass;
  // The byte-array constructors and getBytes; valueOf(long).
  static Operations byteConversions;
  static Operations longText;
  using Fields = StringFields;  // value, offset, count: the runtime reads them too
  JAVA_FIELDS(Object)

  static void init(Ref self);
  static void init(Ref self, Ref chars);
  static void init(Ref self, Ref chars, jint offset, jint count);
  static void initBytes(Ref self, Ref bytes, jint off, jint len, Ref enc);
  static void initBytes(Ref self, Ref bytes, Ref enc);
  static void initBytes(Ref self, Ref bytes, jint off, jint len);
  static void initBytes(Ref self, Ref bytes);
  static void initBuffer(Ref self, Ref buffer);  // String(StringBuffer)
  static jint length(Ref self);
  static jchar charAt(Ref self, jint index);
  static void getChars(Ref self, jint srcBegin, jint srcEnd, Ref dst, jint dstBegin);
  static Ref getBytes(Ref self, Ref enc);
  static Ref getBytes(Ref self);
  static jbool equals(Ref self, Ref obj);
  static jint compareTo(Ref self, Ref other);
  static jbool regionMatches(Ref self, jbool ignoreCase, jint toffset, Ref other, jint ooffset,
                             jint len);
  static jbool startsWith(Ref self, Ref prefix, jint toffset);
  static jbool startsWith(Ref self, Ref prefix);
  static jbool endsWith(Ref self, Ref suffix);
  static jint hashCode(Ref self);
  static jint indexOf(Ref self, jint ch);
  static jint indexOf(Ref self, jint ch, jint fromIndex);
  static jint lastIndexOf(Ref self, jint ch);
  static jint lastIndexOf(Ref self, jint ch, jint fromIndex);
  static jint indexOf(Ref self, Ref str);
  static jint indexOf(Ref self, Ref str, jint fromIndex);
  static Ref substring(Ref self, jint beginIndex);
  static Ref substring(Ref self, jint beginIndex, jint endIndex);
  static Ref concat(Ref self, Ref str);
  static Ref replace(Ref self, jchar oldChar, jchar newChar);
  static Ref toLowerCase(Ref self);
  static Ref toUpperCase(Ref self);
  static Ref trim(Ref self);
  static Ref toString(Ref self);
  static Ref toCharArray(Ref self);
  static Ref valueOf(Ref obj);
  static Ref valueOfChars(Ref data);
  static Ref valueOfChars(Ref data, jint offset, jint count);
  static Ref valueOfBoolean(jbool b);
  static Ref valueOfChar(jchar c);
  static Ref valueOf(jint i);
  static Ref valueOf(jlong l);

  // A string over `count` chars of `value` from `offset`, sharing the array.
  static Ref shared(Ref value, jint offset, jint count);
};

}  // namespace java::lang

// The concatenation of strings (a + b + ...), chars kept whole; null parts read "null".
Ref jconcat(std::initializer_list<Ref> parts);
