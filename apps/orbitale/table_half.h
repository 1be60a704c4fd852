// What the two halves of the table share: their geometry, their static screen state, and
// painting and selecting by those. TableSection1 and TableSection2 each hold one state.
#pragma once
#include "ElementInfo.h"
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
  const char* name;   // the class's
  jint first, count;  // element indexes first .. first + count - 1
  jint firstColumn;   // table column of the half's column 0
  bool left;
  jint (*columnX)(jint column);  // column within the half
  jint cellWidth;
  const char* labels[9];
  jint labelRows[9];
  // Row and column within the half of the cell under (x, y); false for none.
  bool (*hit)(jint x, jint y, jint& row, jint& column);
  const char* arrow;  // the button to the other half, 20 by 14 at (arrowX, 2)
  jint arrowX;
};

namespace half {

jint left_x(jint column);
jint right_x(jint column);
bool left_hit(jint x, jint y, jint& row, jint& column);
bool right_hit(jint x, jint y, jint& row, jint& column);

void setup(HalfState& s, const HalfGeometry& geo);
void paint(HalfState& s, const HalfGeometry& geo, Ref g);
void paintSelection(HalfState& s, const HalfGeometry& geo, Ref g);
void mousePressed(HalfState& s, const HalfGeometry& geo, Ref panel, Ref e);
void mouseReleased(HalfState& s, Ref frame);

}  // namespace half

// Groups 1a to 8, with the lanthanides and actinides up to americium.
inline constexpr HalfGeometry kLeftHalf = {
    .name = "TableSection1",
    .first = 0,
    .count = ElementInfo::LEFT_COUNT,
    .firstColumn = 0,
    .left = true,
    .columnX = half::left_x,
    .cellWidth = 16,
    .labels = {"1a", "2a", "3b", "4b", "5b", "6b", "7b", "----", "-8--"},
    .labelRows = {0, 1, 3, 3, 3, 3, 3, 3, 3},
    .hit = half::left_hit,
    .arrow = "-->",
    .arrowX = 138,
};

// Groups 8 to 8a, with the rest of the f-block.
inline constexpr HalfGeometry kRightHalf = {
    .name = "TableSection2",
    .first = ElementInfo::LEFT_COUNT,
    .count = ElementInfo::COUNT - ElementInfo::LEFT_COUNT,
    .firstColumn = 9,
    .left = false,
    .columnX = half::right_x,
    .cellWidth = 17,
    .labels = {"8", "1b", "2b", "3a", "4a", "5a", "6a", "7a", "8a"},
    .labelRows = {3, 3, 3, 1, 1, 1, 1, 1, 0},
    .hit = half::right_hit,
    .arrow = "<--",
    .arrowX = 2,
};

}  // namespace orbitale
