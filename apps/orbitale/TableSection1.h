// TableSection1: the left half of the table (groups 1a to 8, with the lanthanides and actinides up
// to americium), and its arrow to the right half.
#pragma once
#include "ScreenPanel.h"
#include "table_half.h"

namespace orbitale {

struct TableSection1 {
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
