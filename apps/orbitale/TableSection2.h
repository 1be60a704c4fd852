// TableSection2: the right half of the table (groups 8 to 8a, with the rest of the f-block), and
// its arrow back to the left half.
#pragma once
#include "ScreenPanel.h"
#include "table_half.h"

namespace orbitale {

struct TableSection2 {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref frame;   // Orbitale
    Ref button;  // the arrow
  };
  JAVA_FIELDS(ScreenPanel)
  using Statics = HalfState;
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self, Ref frame);
  static void paint(Ref self, Ref g);
  static void paintSelection(Ref self, Ref g);
  static void mousePressed(Ref self, Ref e);
  static void mouseReleased(Ref self, Ref e);
  static void mouseClicked(Ref self, Ref e);
  static void actionPerformed(Ref self, Ref e);
};

}  // namespace orbitale
