// What the two halves of the table share: their geometry, their static screen state, and
// painting and selecting by those.
#include "table_half.h"

#include "DisplayOptionsPanel.h"
#include "ElementInfo.h"
#include "InfoDialog.h"
#include "class_code.h"
#include "java/awt/Color.h"
#include "java/awt/Component.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/event/MouseEvent.h"
#include "java/lang/String.h"

namespace orbitale {

using java::awt::Color;
using java::awt::Component;
using java::awt::FontMetrics;
using java::awt::Graphics;
using java::awt::event::MouseEvent;
using java::lang::String;

namespace {

constexpr jint kCellHeight = 14;

// Rows 7 and 8, the f-block, sit 3 pixels lower.
jint row_y(jint row) { return row < 7 ? 14 * row + 11 : 14 * row + 14; }

Ref int_array(jint n) { return rt_new_array(rt_class_index_by_name("[I"), 4, n); }
Ref int_arrays(jint n) {
  return rt_new_ref_array(rt_class_index_by_name("[[I"), rt_class_index_by_name("[I"), n);
}
jint at(Ref a, jint i, jint j) { return rt_array_load32(rt_array_load_ref(a, i), j); }

// The text a cell shows under the current options.
Ref cell_text(jint element) {
  return rt_array_load_ref(ElementInfo::getSymbol(element),
                           DisplayOptionsPanel::showSymbols() ? 0 : 1);
}

// Each cell's text centred in it, measured at the first paint in the current mode.
Ref text_positions(HalfState& s, const HalfGeometry& geo, Ref g) {
  bool symbols = DisplayOptionsPanel::showSymbols();
  Ref volatile positions = symbols ? s.symbolText : s.numberText;
  if (positions) return positions;
  Ref volatile fm = vcall(Graphics::m_getFontMetrics, g);
  jint fh = vcall(FontMetrics::m_getHeight, fm), ascent = vcall(FontMetrics::m_getAscent, fm);
  positions = int_arrays(geo.count);
  (symbols ? s.symbolText : s.numberText) = positions;
  for (jint k = 0; k < geo.count; k++) {
    Ref volatile xy = int_array(2);
    rt_array_store_ref(positions, k, xy);
    jint width = vcall(FontMetrics::m_stringWidth, fm, cell_text(geo.first + k));
    rt_array_store32(xy, 0, at(s.cells, k, 0) + (at(s.cells, k, 2) - width) / 2 + 1);
    rt_array_store32(xy, 1, at(s.cells, k, 1) + (kCellHeight - fh) / 2 + ascent + 1);
  }
  return positions;
}

Ref polyline(std::initializer_list<jint> values) {
  Ref volatile a = int_array(static_cast<jint>(values.size()));
  jint i = 0;
  for (jint v : values) rt_array_store32(a, i++, v);
  return a;
}

}  // namespace

namespace half {

jint left_x(jint column) { return column < 2 ? 16 * column + 6 : 16 * column + 15; }
jint right_x(jint column) { return 17 * column; }

// Periods 1 to 7 in the two s-block columns and the seven columns to the right of the gap.
bool left_hit(jint x, jint y, jint& row, jint& column) {
  if (6 < x && x < 22) {
    if (!(11 < y && y < 109)) return false;
    row = (y - 11) / 14, column = 0;
  } else if (22 < x && x < 38) {
    if (!(25 < y && y < 109)) return false;
    row = (y - 11) / 14, column = 1;
  } else if (47 < x && x < 159) {
    column = (x - 47) / 16 + 2;
    if (53 < y && y < 109)
      row = (y - 11) / 14;
    else if (112 < y && y < 140)
      row = (y - 112) / 14 + 7;
    else
      return false;
  } else {
    return false;
  }
  return true;
}

bool right_hit(jint x, jint y, jint& row, jint& column) {
  if (136 < x && x < 153) {
    if (!(11 < y && y < 109)) return false;
    row = (y - 11) / 14, column = 8;
    return true;
  }
  jint top;
  if (51 < x && x < 136)
    top = 25;
  else if (0 < x && x < 51)
    top = 53;
  else
    return false;
  if (top < y && y < 109)
    row = (y - 11) / 14;
  else if (112 < y && y < 140)
    row = (y - 112) / 14 + 7;
  else
    return false;
  column = x / 17;
  return true;
}

// The cells, categories and the grid, from the element layout.
void setup(HalfState& s, const HalfGeometry& geo) {
  clinit<ElementInfo>();
  s.selected = -1;
  s.cells = int_arrays(geo.count);
  s.categories = int_array(geo.count);
  s.grid = int_arrays(9);
  for (jint r = 0; r < 9; r++) {
    Ref volatile row = int_array(9);
    rt_array_store_ref(s.grid, r, row);
    for (jint c = 0; c < 9; c++) rt_array_store32(row, c, -1);
  }
  for (jint k = 0; k < geo.count; k++) {
    Ref layout = ElementInfo::getLayout(geo.first + k);
    jint column = rt_array_load32(layout, ElementInfo::COLUMN) - geo.firstColumn;
    jint row = rt_array_load32(layout, ElementInfo::ROW);
    Ref volatile cell = int_array(4);
    rt_array_store_ref(s.cells, k, cell);
    rt_array_store32(cell, 0, geo.columnX(column));
    rt_array_store32(cell, 1, row_y(row));
    rt_array_store32(cell, 2, geo.cellWidth);
    rt_array_store32(cell, 3, kCellHeight);
    rt_array_store32(s.categories, k, rt_array_load32(layout, ElementInfo::CATEGORY));
    rt_array_store32(rt_array_load_ref(s.grid, row), column, geo.first + k);
  }
}

void paint(HalfState& s, const HalfGeometry& geo, Ref g) {
  Ref volatile fm = vcall(Graphics::m_getFontMetrics, g);
  jint fh = vcall(FontMetrics::m_getHeight, fm), ascent = vcall(FontMetrics::m_getAscent, fm);
  if (geo.left)
    vcall(Graphics::m_clearRect, g, 0, 0, 160, 145);
  else
    vcall(Graphics::m_clearRect, g, 0, 15, 160, 145);

  for (jint p = 1; p <= 7; p++)
    vcall(Graphics::m_drawString, g, String::valueOf(p), geo.left ? 0 : 156,
          13 + ascent + 14 * (p - 1));
  for (jint c = 0; c < 9; c++) {
    Ref volatile label = lit(geo.labels[c]);
    jint width = vcall(FontMetrics::m_stringWidth, fm, label);
    vcall(Graphics::m_drawString, g, label, geo.columnX(c) + (geo.cellWidth - width) / 2 + 1,
          14 * geo.labelRows[c] - 3 + (kCellHeight - fh) / 2 + fh);
  }

  Ref volatile positions = text_positions(s, geo, g);
  for (jint k = 0; k < geo.count; k++) {
    if (!DisplayOptionsPanel::passes(rt_array_load32(s.categories, k))) continue;
    vcall(Graphics::m_drawString, g, cell_text(geo.first + k), at(positions, k, 0),
          at(positions, k, 1));
    vcall(Graphics::m_drawRect, g, at(s.cells, k, 0), at(s.cells, k, 1), at(s.cells, k, 2),
          at(s.cells, k, 3));
  }

  if (geo.left) {  // from group 3 down to the lanthanides and the actinides
    vcall(Graphics::m_drawPolyline, g, polyline({39, 44, 44, 47}), polyline({89, 89, 120, 120}), 4);
    vcall(Graphics::m_drawPolyline, g, polyline({39, 41, 41, 47}), polyline({103, 103, 133, 133}),
          4);
  }
  // The selection is not drawn here: it shows only while the pen is down, and the dialog
  // that its release opens covers the table.
}

// The selected cell filled black, its text (when it passes the filter) in white.
void paintSelection(HalfState& s, const HalfGeometry& geo, Ref g) {
  jint k = s.selected - geo.first;
  jint x = at(s.cells, k, 0), y = at(s.cells, k, 1), w = at(s.cells, k, 2), h = at(s.cells, k, 3);
  clinit<Color>();
  vcall(Graphics::m_clearRect, g, x - 1, y - 1, w + 2, h + 2);
  vcall(Graphics::m_setColor, g, Color::S().black);
  vcall(Graphics::m_fillRect, g, x, y, w, h);
  if (DisplayOptionsPanel::passes(rt_array_load32(s.categories, k))) {
    Ref volatile positions = text_positions(s, geo, g);
    vcall(Graphics::m_setColor, g, Color::S().white);
    vcall(Graphics::m_drawString, g, cell_text(s.selected), at(positions, k, 0),
          at(positions, k, 1));
    vcall(Graphics::m_setColor, g, Color::S().black);
  }
}

// The old selection is cleared; a cell under the pen is selected and drawn at once.
void mousePressed(HalfState& s, const HalfGeometry& geo, Ref panel, Ref e) {
  jint x = MouseEvent::getX(e), y = MouseEvent::getY(e);
  s.selected = -1;
  jint row, column;
  if (!geo.hit(x, y, row, column)) return;
  jint element = at(s.grid, row, column);
  if (element < 0) return;
  s.selected = element;
  Ref volatile g = Component::getGraphics(panel);
  if (g) paintSelection(s, geo, g);
}

// Opens the selected element's information, whether or not the filter shows it.
void mouseReleased(HalfState& s, Ref frame) {
  if (s.selected >= 0) jnew<InfoDialog>(frame, s.selected);
}

}  // namespace half
}  // namespace orbitale
