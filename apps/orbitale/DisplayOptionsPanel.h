// DisplayOptionsPanel: the display options and their check boxes; the table reads the
// options at its next paint.
#pragma once
#include "java/awt/Panel.h"

namespace orbitale {

struct DisplayOptionsPanel {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::awt::Panel)
  struct Statics {
    jbool showSymbols;  // else atomic numbers
    Ref shown;          // boolean[12]: 0 "All Elements", 1 to 10 the categories, 11 never
    Ref boxes;          // Checkbox[11] of the last dialog, in the order of shown
    Ref symbols;        // the two radio buttons of the last dialog
    Ref numbers;
    jbool clearingAll;  // turning "All Elements" off because a category was checked
  };
  JAVA_STATICS

  static constexpr jint CATEGORIES = 11;  // "All Elements" and the ten named ones

  static void staticInit();
  static void init(Ref self);
  static void itemStateChanged(Ref self, Ref e);
  // Whether an element of this category is drawn under the current options.
  static jbool passes(jint category);
  static jbool showSymbols();
};

}  // namespace orbitale
