// ElementInfo: the element tables, built once by the class initialiser, and the
// information lines of one element.
#pragma once
#include "java/lang/Object.h"

namespace orbitale {

struct ElementInfo {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    Ref symbols;  // String[115][2]: symbol, atomic number as text
    Ref records;  // String[115]: 16 fields separated by '|'
    Ref layout;   // int[115][3]: table column, table row, category
  };
  JAVA_STATICS

  // Display order: entries 0 to 54 are the left half, 55 to 114 the right half.
  static constexpr jint COUNT = 115;
  static constexpr jint LEFT_COUNT = 55;
  static constexpr jint COLUMN = 0, ROW = 1, CATEGORY = 2;
  static constexpr jint UNNAMED = 11;  // the category shown only under "All Elements"

  static void staticInit();
  static Ref getSymbol(jint i);  // String[2]
  static Ref getLayout(jint i);  // int[3]
  static Ref getInfo(jint i);    // DialogInfo
};

}  // namespace orbitale
