// What the two halves of the table share: their geometry, their static screen state, and
// painting and selecting by those. TableSection1 and TableSection2 each hold one state.
#pragma once
#include "runtime/rt.h"

namespace orbitale {

// The screen state of one half, kept in its class's statics.
struct HalfState {  // word-aligned: the collector scans statics word by word
  jint selected;    // element index, or -1
  Ref cells;        // int[count][4]: x, y, width, height of each element's cell
  Ref categories;   // int[count]
  Ref symbolText;   // int[count][2]: x and baseline of the symbol; null until first painted
  Ref numberText;   // the same for the atomic number
  Ref grid;         // int[9][9]: element index by row and column within the half, or -1
};

struct HalfGeometry {
  jint first, count;  // element indexes first .. first + count - 1
  jint firstColumn;   // table column of the half's column 0
  bool left;
  jint (*columnX)(jint column);  // column within the half
  jint cellWidth;
  const char* labels[9];
  jint labelRows[9];
  // Row and column within the half of the cell under (x, y); false for none.
  bool (*hit)(jint x, jint y, jint& row, jint& column);
};

extern const HalfGeometry kLeftHalf;
extern const HalfGeometry kRightHalf;

namespace half {

void setup(HalfState& s, const HalfGeometry& geo);
void paint(HalfState& s, const HalfGeometry& geo, Ref g);
void paintSelection(HalfState& s, const HalfGeometry& geo, Ref g);
void mousePressed(HalfState& s, const HalfGeometry& geo, Ref panel, Ref e);
void mouseReleased(HalfState& s, Ref frame);

}  // namespace half
}  // namespace orbitale
