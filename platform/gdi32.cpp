// Drawing: device contexts, bitmaps, pens, regions, lines, bit-block transfers and text.
#include "platform/gdi32.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/font/builtin_font.h"
#include "platform/internal.h"

static constexpr uint32_t WHITE = 0xFFFFFF;

/* ---------------------------------------------------------------------------
 * Objects
 * ------------------------------------------------------------------------- */

static HBITMAP__* stock_bitmap() {  // what a fresh memory context holds: 1 x 1
  static HBITMAP__* b = [] {
    auto* s = new HBITMAP__{};
    s->kind = GDI_BITMAP;
    s->stock = true;
    s->surface.resize(1, 1);
    return s;
  }();
  return b;
}

static HPEN__ g_black_pen = {{GDI_PEN, true}, RGB(0, 0, 0)};
static HBRUSH__ g_brushes[5] = {{{GDI_BRUSH, true}, RGB(255, 255, 255)},
                                {{GDI_BRUSH, true}, RGB(192, 192, 192)},
                                {{GDI_BRUSH, true}, RGB(128, 128, 128)},
                                {{GDI_BRUSH, true}, RGB(64, 64, 64)},
                                {{GDI_BRUSH, true}, RGB(0, 0, 0)}};
static HFONT__ g_system_font = {{GDI_FONT, true}};

HGDIOBJ GetStockObject(int i) {
  if (i >= WHITE_BRUSH && i <= BLACK_BRUSH) return &g_brushes[i];
  if (i == BLACK_PEN) return &g_black_pen;
  if (i == ANSI_VAR_FONT || i == SYSTEM_FONT) return &g_system_font;
  return nullptr;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return nullptr;
  auto* b = new HBITMAP__{};
  b->kind = GDI_BITMAP;
  b->surface.resize(width, height);
  return b;
}

HPEN CreatePen(int style, int, COLORREF color) {
  if (style != PS_SOLID) return nullptr;
  auto* p = new HPEN__{};
  p->kind = GDI_PEN;
  p->color = color;
  return p;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  auto* r = new HRGN__{};
  r->kind = GDI_REGION;
  r->rect = {std::min(left, right), std::min(top, bottom), std::max(left, right),
             std::max(top, bottom)};
  return r;
}

// Every font is the built-in one: bold sans-serif, 22 pixels high, average advance 8.
HFONT CreateFontA(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                  LPCSTR) {
  auto* f = new HFONT__{};
  f->kind = GDI_FONT;
  return f;
}

BOOL DeleteObject(HGDIOBJ obj) {
  auto* h = static_cast<GdiHeader*>(obj);
  if (!h) return FALSE;
  if (h->stock) return TRUE;
  switch (h->kind) {
    case GDI_BITMAP: {
      auto* b = static_cast<HBITMAP__*>(h);
      if (b->selectedIn) return FALSE;  // still selected: refused, as the real call does
      delete b;
      return TRUE;
    }
    case GDI_PEN:
      delete static_cast<HPEN__*>(h);
      return TRUE;
    case GDI_BRUSH:
      delete static_cast<HBRUSH__*>(h);
      return TRUE;
    case GDI_FONT:
      delete static_cast<HFONT__*>(h);
      return TRUE;
    case GDI_REGION:
      delete static_cast<HRGN__*>(h);
      return TRUE;
  }
  return FALSE;
}

/* ---------------------------------------------------------------------------
 * Device contexts
 * ------------------------------------------------------------------------- */

// Every drawing call makes and frees contexts: freed ones are kept for the next, and
// deleted at exit.
static std::vector<std::unique_ptr<HDC__>> g_spare_dcs;

static HDC__* new_dc(HWND__* window) {
  HDC__* dc;
  if (g_spare_dcs.empty()) {
    dc = new HDC__{};
  } else {
    dc = g_spare_dcs.back().release();
    g_spare_dcs.pop_back();
    *dc = HDC__{};
  }
  dc->window = window;
  dc->bitmap = window ? nullptr : stock_bitmap();
  dc->pen = &g_black_pen;
  dc->brush = &g_brushes[WHITE_BRUSH];
  dc->font = &g_system_font;
  dc->rop2 = R2_COPYPEN;
  dc->textColor = RGB(0, 0, 0);
  dc->bkColor = RGB(255, 255, 255);
  dc->bkMode = OPAQUE;
  return dc;
}

// Window contexts come from USER32 (GetDC, BeginPaint).
HDC platform_window_dc(HWND__* window) { return new_dc(window); }
void platform_free_dc(HDC dc) { g_spare_dcs.emplace_back(dc); }

HDC CreateCompatibleDC(HDC) { return new_dc(nullptr); }

BOOL DeleteDC(HDC dc) {
  if (!dc) return FALSE;
  if (dc->bitmap && !dc->bitmap->stock) dc->bitmap->selectedIn = nullptr;
  g_spare_dcs.emplace_back(dc);
  return TRUE;
}

static Surface* find_surface(HDC__* dc) {
  if (dc->window) {
    HWND__* top = dc->window;
    while (top->parent) top = top->parent;
    return top->destroyed ? nullptr : &top->surface;
  }
  return dc->bitmap ? &dc->bitmap->surface : nullptr;
}

static RECT find_bounds(HDC__* dc) {
  Surface* s = find_surface(dc);
  RECT r = {0, 0, s ? s->width : 0, s ? s->height : 0};
  if (dc->window && !dc->window->parent) {  // a window draws only on its client area
    r.right = std::min<LONG>(r.right, dc->window->rect.right - dc->window->rect.left);
    r.bottom = std::min<LONG>(r.bottom, dc->window->rect.bottom - dc->window->rect.top);
  }
  if (dc->clipped) {
    r.left = std::max(r.left, dc->clip.left);
    r.top = std::max(r.top, dc->clip.top);
    r.right = std::min(r.right, dc->clip.right);
    r.bottom = std::min(r.bottom, dc->clip.bottom);
  }
  return r;
}

// Window contexts are never cached: their window may be destroyed under them.
static inline void refresh_cache(HDC__* dc) {
  if (dc->cached) return;
  dc->surface = find_surface(dc);
  dc->bounds = find_bounds(dc);
  dc->cached = !dc->window;
}

Surface* dc_surface(HDC__* dc) {
  refresh_cache(dc);
  return dc->surface;
}

RECT dc_bounds(HDC__* dc) {
  refresh_cache(dc);
  return dc->bounds;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj) {
  auto* h = static_cast<GdiHeader*>(obj);
  if (!dc || !h) return nullptr;
  HGDIOBJ old = nullptr;
  switch (h->kind) {
    case GDI_BITMAP: {
      auto* b = static_cast<HBITMAP__*>(h);
      if (dc->window) return nullptr;                            // memory contexts only
      if (b->selectedIn && b->selectedIn != dc) return nullptr;  // one context at a time
      old = dc->bitmap;
      if (dc->bitmap && !dc->bitmap->stock) dc->bitmap->selectedIn = nullptr;
      dc->bitmap = b;
      if (!b->stock) b->selectedIn = dc;
      dc_changed(dc);
      return old;
    }
    case GDI_PEN:
      old = dc->pen;
      dc->pen = static_cast<HPEN__*>(h);
      return old;
    case GDI_BRUSH:
      old = dc->brush;
      dc->brush = static_cast<HBRUSH__*>(h);
      return old;
    case GDI_FONT:
      old = dc->font;
      dc->font = static_cast<HFONT__*>(h);
      return old;
    case GDI_REGION:
      return reinterpret_cast<HGDIOBJ>(
          static_cast<intptr_t>(SelectClipRgn(dc, static_cast<HRGN__*>(h))));
  }
  return nullptr;
}

// The context keeps a copy of the region, so the region may be deleted afterwards.
int SelectClipRgn(HDC dc, HRGN rgn) {
  if (!dc) return ERROR;
  dc_changed(dc);
  if (!rgn) {
    dc->clipped = false;
    return SIMPLEREGION;
  }
  dc->clipped = true;
  dc->clip = rgn->rect;
  return rgn->rect.left < rgn->rect.right && rgn->rect.top < rgn->rect.bottom ? SIMPLEREGION
                                                                              : NULLREGION;
}

int SetROP2(HDC dc, int rop2) {
  if (!dc || rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
  int old = dc->rop2;
  dc->rop2 = rop2;
  return old;
}
int GetROP2(HDC dc) { return dc ? dc->rop2 : 0; }

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT old) {
  if (!dc) return FALSE;
  if (old) *old = dc->pos;
  dc->pos = {x, y};
  return TRUE;
}

BOOL GetCurrentPositionEx(HDC dc, LPPOINT pt) {
  if (!dc || !pt) return FALSE;
  *pt = dc->pos;
  return TRUE;
}

/* ---------------------------------------------------------------------------
 * Lines
 * ------------------------------------------------------------------------- */

// A binary raster operation: bit (2p + d) of rop2 - 1 is the result for pen bit p and
// destination bit d.
static inline uint32_t apply_rop2(int rop2, uint32_t pen, uint32_t dst) {
  switch (rop2) {
    case R2_BLACK:
      return 0;
    case R2_WHITE:
      return WHITE;
    case R2_NOT:
      return ~dst & WHITE;
    case R2_COPYPEN:
      return pen;
    case R2_NOP:
      return dst;
    case R2_XORPEN:
      return pen ^ dst;
  }
  unsigned t = static_cast<unsigned>(rop2 - 1);
  uint32_t r = 0;
  if (t & 1) r |= ~pen & ~dst;
  if (t & 2) r |= ~pen & dst;
  if (t & 4) r |= pen & ~dst;
  if (t & 8) r |= pen & dst;
  return r & WHITE;
}

static inline void hspan(Surface* s, const RECT& b, int y, int x0, int x1, int rop2, uint32_t pen) {
  if (y < b.top || y >= b.bottom) return;
  x0 = std::max<int>(x0, b.left);
  x1 = std::min<int>(x1, b.right);
  if (x0 >= x1) return;
  uint32_t* p = &s->pixels[static_cast<size_t>(y) * s->width + x0];
  int n = x1 - x0;
  if (rop2 == R2_BLACK || rop2 == R2_WHITE || rop2 == R2_COPYPEN) {
    uint32_t v = rop2 == R2_BLACK ? 0 : rop2 == R2_WHITE ? WHITE : pen;
    if (n <= 4) {  // the rows of device blocks: no library call
      switch (n) {
        case 4:
          p[3] = v;
          [[fallthrough]];
        case 3:
          p[2] = v;
          [[fallthrough]];
        case 2:
          p[1] = v;
          [[fallthrough]];
        case 1:
          p[0] = v;
      }
      return;
    }
    std::fill(p, p + n, v);
    return;
  }
  if (rop2 == R2_NOT) {
    for (int i = 0; i < n; i++) p[i] = ~p[i] & WHITE;
    return;
  }
  for (int i = 0; i < n; i++) p[i] = apply_rop2(rop2, pen, p[i]);
}

static inline void plot(Surface* s, const RECT& b, int x, int y, int rop2, uint32_t pen) {
  if (x < b.left || x >= b.right || y < b.top || y >= b.bottom) return;
  uint32_t& d = s->pixels[static_cast<size_t>(y) * s->width + x];
  d = apply_rop2(rop2, pen, d);
}

// A line of width 0 from the current position, its last pixel excluded.
BOOL LineTo(HDC dc, int x, int y) {
  if (!dc) return FALSE;
  int x0 = dc->pos.x, y0 = dc->pos.y;
  dc->pos = {x, y};
  refresh_cache(dc);
  Surface* s = dc->surface;
  if (!s) return TRUE;
  const RECT& b = dc->bounds;
  uint32_t pen = pixel_of(dc->pen->color);
  if (y0 == y) {
    if (x0 <= x)
      hspan(s, b, y, x0, x, dc->rop2, pen);
    else
      hspan(s, b, y, x + 1, x0 + 1, dc->rop2, pen);
    return TRUE;
  }
  int dx = std::abs(x - x0), dy = std::abs(y - y0);
  int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
  if (dx == 0) {
    for (int i = 0; i < dy; i++, y0 += sy) plot(s, b, x0, y0, dc->rop2, pen);
    return TRUE;
  }
  int err = (dx >= dy ? dx : dy) / 2;
  int n = dx >= dy ? dx : dy;
  for (int i = 0; i < n; i++) {
    plot(s, b, x0, y0, dc->rop2, pen);
    if (dx >= dy) {
      x0 += sx;
      err -= dy;
      if (err < 0) {
        y0 += sy;
        err += dx;
      }
    } else {
      y0 += sy;
      err -= dx;
      if (err < 0) {
        x0 += sx;
        err += dy;
      }
    }
  }
  return TRUE;
}

// The points of a line from (x1, y1), included, to (x2, y2), excluded: one per step of
// the major axis, the minor coordinate rounded to the nearest, halves toward the start.
BOOL LineDDA(int x1, int y1, int x2, int y2, LINEDDAPROC proc, LPARAM data) {
  if (!proc) return FALSE;
  int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
  int64_t ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy, n = std::max(ax, ay);
  int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  // Offset i * d / n rounded, kept as quotient and remainder of (2 i |d| + n - 1) / 2n.
  int64_t qx = 0, qy = 0, rx = n - 1, ry = n - 1;
  for (int64_t i = 0; i < n; i++) {
    proc(static_cast<int>(x1 + sx * qx), static_cast<int>(y1 + sy * qy), data);
    rx += 2 * ax;
    if (rx >= 2 * n) {
      rx -= 2 * n;
      qx++;
    }
    ry += 2 * ay;
    if (ry >= 2 * n) {
      ry -= 2 * n;
      qy++;
    }
  }
  return TRUE;
}

/* ---------------------------------------------------------------------------
 * Bit-block transfers
 * ------------------------------------------------------------------------- */

// A ternary raster operation's result byte: bit (4p + 2s + d) of the operation code.
static inline uint32_t apply_rop3(DWORD rop, uint32_t pat, uint32_t src, uint32_t dst) {
  switch (rop) {
    case SRCCOPY:
      return src;
    case SRCAND:
      return src & dst;
    case SRCPAINT:
      return src | dst;
    case SRCINVERT:
      return src ^ dst;
    case SRCERASE:
      return src & ~dst & WHITE;
    case NOTSRCCOPY:
      return ~src & WHITE;
    case DSTINVERT:
      return ~dst & WHITE;
    case BLACKNESS:
      return 0;
    case WHITENESS:
      return WHITE;
  }
  unsigned code = (rop >> 16) & 0xFF;
  uint32_t r = 0;
  for (unsigned i = 0; i < 8; i++) {
    if (!(code & (1u << i))) continue;
    uint32_t m = ((i & 4) ? pat : ~pat) & ((i & 2) ? src : ~src) & ((i & 1) ? dst : ~dst);
    r |= m;
  }
  return r & WHITE;
}

// One row of a transfer; the common operations each have a loop of their own.
static void blt_row(DWORD rop, uint32_t pat, const uint32_t* in, uint32_t* out, int n) {
  switch (rop) {
    case SRCAND:
      for (int i = 0; i < n; i++) out[i] &= in[i];
      return;
    case SRCPAINT:
      for (int i = 0; i < n; i++) out[i] |= in[i];
      return;
    case SRCINVERT:
      for (int i = 0; i < n; i++) out[i] ^= in[i];
      return;
    case SRCERASE:
      for (int i = 0; i < n; i++) out[i] = in[i] & ~out[i] & WHITE;
      return;
    case NOTSRCCOPY:
      for (int i = 0; i < n; i++) out[i] = ~in[i] & WHITE;
      return;
    case DSTINVERT:
      for (int i = 0; i < n; i++) out[i] = ~out[i] & WHITE;
      return;
    case BLACKNESS:
      std::fill(out, out + n, 0u);
      return;
    case WHITENESS:
      std::fill(out, out + n, WHITE);
      return;
  }
  for (int i = 0; i < n; i++) out[i] = apply_rop3(rop, pat, in ? in[i] : 0, out[i]);
}

static bool rop_uses_source(DWORD rop) {
  unsigned code = (rop >> 16) & 0xFF;
  return ((code >> 2) & 0x33) != (code & 0x33);
}

BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, DWORD rop) {
  if (!dst) return FALSE;
  bool needSrc = rop_uses_source(rop);
  if (needSrc && !src) return FALSE;
  Surface* d = dc_surface(dst);
  Surface* s = needSrc ? dc_surface(src) : nullptr;
  if (!d || (needSrc && !s)) return TRUE;
  if (cx < 0) {  // a negative size spans the pixels ending at the given point, unmirrored
    x += cx + 1;
    x1 += cx + 1;
    cx = -cx;
  }
  if (cy < 0) {
    y += cy + 1;
    y1 += cy + 1;
    cy = -cy;
  }
  RECT b = dc_bounds(dst);
  uint32_t pat = pixel_of(dst->brush->color);
  // The columns both inside the target's bounds and, with a source, inside the source.
  int i0 = std::max(0, static_cast<int>(b.left) - x),
      i1 = std::min(cx, static_cast<int>(b.right) - x);
  if (s) {
    i0 = std::max(i0, -x1);
    i1 = std::min(i1, s->width - x1);
  }
  if (i0 >= i1) return TRUE;
  int n = i1 - i0;
  std::vector<uint32_t> row;
  // Within one bitmap, rows moving down are copied bottom-up so none is read after it was
  // overwritten.
  bool upward = s == d && y > y1;
  for (int k = 0; k < cy; k++) {
    int j = upward ? cy - 1 - k : k;
    int ty = y + j, sy = y1 + j;
    if (ty < b.top || ty >= b.bottom) continue;
    // Where the source lies outside its bitmap the target is left as it is.
    if (s && (sy < 0 || sy >= s->height)) continue;
    uint32_t* out = &d->pixels[static_cast<size_t>(ty) * d->width + x + i0];
    const uint32_t* in = s ? &s->pixels[static_cast<size_t>(sy) * s->width + x1 + i0] : nullptr;
    if (rop == SRCCOPY) {  // the paint of every frame: one move a row
      memmove(out, in, static_cast<size_t>(n) * 4);
      continue;
    }
    if (s == d && sy == ty) {  // overlapping within one row: read a copy
      row.assign(in, in + n);
      in = row.data();
    }
    blt_row(rop, pat, in, out, n);
  }
  return TRUE;
}

// Rows of one value in four-pixel stores, the last overlapping: the runs of diagonal lines
// (a column two pixels wide, or a short row) and clears, a call each.
static void solid_rows(uint32_t* out, size_t stride, int n, int rows, uint64_t pair) {
  uint64_t quad[2] = {pair, pair};
  if (n == 2) {
    for (; rows > 0; rows--, out += stride) memcpy(out, &pair, 8);
  } else if (n >= 4) {
    for (; rows > 0; rows--, out += stride) {
      int i = 0;
      for (; i + 8 <= n; i += 8) {
        memcpy(out + i, quad, 16);
        memcpy(out + i + 4, quad, 16);
      }
      if (i < n - 4) memcpy(out + i, quad, 16);
      memcpy(out + n - 4, quad, 16);
    }
  } else {
    for (; rows > 0; rows--, out += stride) std::fill(out, out + n, static_cast<uint32_t>(pair));
  }
}

// A transfer without a source: the pattern (the brush) and the target only.
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  bool solid = rop == BLACKNESS || rop == WHITENESS;
  if (!dc || (!solid && rop_uses_source(rop))) return FALSE;
  if ((width | height) < 0) return BitBlt(dc, x, y, width, height, nullptr, 0, 0, rop);
  refresh_cache(dc);
  Surface* d = dc->surface;
  const RECT& b = dc->bounds;
  int x0 = std::max<int>(x, b.left), x1 = std::min<int>(x + width, b.right);
  int y0 = std::max<int>(y, b.top), y1 = std::min<int>(y + height, b.bottom);
  if (!d || x0 >= x1 || y0 >= y1) return TRUE;
  size_t stride = static_cast<size_t>(d->width);
  uint32_t* out = d->pixels.data() + static_cast<size_t>(y0) * stride + x0;
  if (solid) {
    solid_rows(out, stride, x1 - x0, y1 - y0, rop == BLACKNESS ? 0 : uint64_t{WHITE} << 32 | WHITE);
  } else {
    uint32_t pattern = pixel_of(dc->brush->color);
    for (int ty = y0; ty < y1; ty++, out += stride) blt_row(rop, pattern, nullptr, out, x1 - x0);
  }
  return TRUE;
}

int GetDIBits(HDC, HBITMAP bmp, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO bmi, UINT) {
  if (!bmp || !bmi) return 0;
  const Surface& s = bmp->surface;
  BITMAPINFOHEADER& h = bmi->bmiHeader;
  if (!bits) {  // report the format only
    h.biWidth = s.width;
    h.biHeight = s.height;
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(s.width * s.height * 4);
    return 1;
  }
  if (h.biBitCount != 32 || h.biCompression != BI_RGB || h.biWidth != s.width) return 0;
  bool topDown = h.biHeight < 0;
  int rows = std::min<int>(static_cast<int>(lines), s.height - static_cast<int>(start));
  auto* out = static_cast<uint32_t*>(bits);
  for (int r = 0; r < rows; r++) {
    int scan = static_cast<int>(start) + r;  // scan 0 is the bottom row of a bottom-up DIB
    int srcRow = topDown ? scan : s.height - 1 - scan;
    memcpy(out + static_cast<size_t>(r) * s.width, &s.pixels[static_cast<size_t>(srcRow) * s.width],
           static_cast<size_t>(s.width) * 4);
  }
  return rows < 0 ? 0 : rows;
}

/* ---------------------------------------------------------------------------
 * Text
 * ------------------------------------------------------------------------- */

UINT SetTextAlign(HDC dc, UINT align) {
  if (!dc) return GDI_ERROR;
  UINT old = dc->textAlign;
  dc->textAlign = align;
  return old;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  if (!dc) return 0xFFFFFFFFu;
  COLORREF old = dc->textColor;
  dc->textColor = color;
  return old;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
  if (!dc) return 0xFFFFFFFFu;
  COLORREF old = dc->bkColor;
  dc->bkColor = color;
  return old;
}

int SetBkMode(HDC dc, int mode) {
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  int old = dc->bkMode;
  dc->bkMode = mode;
  return old;
}

static const BuiltinGlyph& glyph(WCHAR c) { return builtin_font_glyphs[c < 256 ? c : '?']; }
static const uint32_t* glyph_rows(WCHAR c) { return builtin_font_rows[c < 256 ? c : '?']; }

static int text_width(const WCHAR* text, int count) {
  int w = 0;
  for (int i = 0; i < count; i++) w += glyph(text[i]).advance;
  return w;
}

int draw_text_run(Surface* s, const RECT& clip, int x, int y, const WCHAR* text, int count,
                  uint32_t color) {
  for (int i = 0; i < count; i++) {
    const BuiltinGlyph& g = glyph(text[i]);
    const uint32_t* rows = glyph_rows(text[i]);
    for (int r = 0; r < BUILTIN_FONT_HEIGHT; r++) {
      int py = y + r;
      if (py < clip.top || py >= clip.bottom || !rows[r]) continue;
      for (uint32_t bits = rows[r]; bits; bits &= bits - 1) {  // the set bits only
        int px = x + g.left + __builtin_ctz(bits);
        if (px >= clip.left && px < clip.right)
          s->pixels[static_cast<size_t>(py) * s->width + px] = color;
      }
    }
    x += g.advance;
  }
  return x;
}

BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
  if (!dc || count < 0 || (count > 0 && !text)) return FALSE;
  if (dc->textAlign & TA_UPDATECP) {
    x = dc->pos.x;
    y = dc->pos.y;
  }
  int width = text_width(text, count);
  Surface* s = dc_surface(dc);
  if (s) {
    RECT b = dc_bounds(dc);
    if (dc->bkMode == OPAQUE) {
      uint32_t bk = pixel_of(dc->bkColor);
      for (int r = 0; r < BUILTIN_FONT_HEIGHT; r++)
        hspan(s, b, y + r, x, x + width, R2_COPYPEN, bk);
    }
    draw_text_run(s, b, x, y, text, count, pixel_of(dc->textColor));
  }
  if (dc->textAlign & TA_UPDATECP) dc->pos.x = x + width;
  return TRUE;
}

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size) {
  if (!dc || !size || count < 0 || (count > 0 && !text)) return FALSE;
  size->cx = text_width(text, count);
  size->cy = BUILTIN_FONT_HEIGHT;
  return TRUE;
}
