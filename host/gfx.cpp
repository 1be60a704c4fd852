// Screen drawing primitives: lines, filled and rounded rectangles, borders, the draw
// region and region copies, all in device pixels drawn as 2 x 2 window blocks.
#include <algorithm>
#include <cmath>
#include <vector>

#include "host/gfx_frame.h"
#include "host/natives.h"

/* ---------------------------------------------------------------------------
 * Common frame
 * ------------------------------------------------------------------------- */

void frame_begin(DrawFrame& f, bool useRegion) {
  host_note_work();
  f = DrawFrame{};
  f.window = GetDC(host.window);
  f.mem = CreateCompatibleDC(f.window);
  f.oldBitmap = host.screen ? SelectObject(f.mem, host.screen) : nullptr;
  if (useRegion && host.drawRegion) {
    SelectClipRgn(f.mem, host.drawRegion);
    f.clipped = true;
  }
}

void frame_select_mode(DrawFrame& f, int32_t mode) {
  HPEN pen = nullptr;
  int rop = 0;
  switch (mode & 7) {
    case DRAW_BLACK:
      pen = host.blackPen;
      rop = R2_BLACK;
      break;
    case DRAW_GRAY:
      pen = host.greyPen;
      break;
    case DRAW_ERASE:
      pen = host.blackPen;
      rop = R2_WHITE;
      break;
    case DRAW_INVERT:
      pen = host.blackPen;
      rop = R2_NOT;
      break;
    case DRAW_COLOR:
      if (host.colour) {
        auto c = static_cast<uint32_t>(mode);
        f.colourPen = CreatePen(PS_SOLID, 0, RGB(c >> 24, (c >> 16) & 0xFF, (c >> 8) & 0xFF));
        pen = f.colourPen;
      } else {
        pen = host.blackPen;
        rop = R2_BLACK;
      }
      break;
    default:
      return;  // the fresh context's black pen and copy operation
  }
  if (pen) {
    f.oldPen = SelectObject(f.mem, pen);
    f.penSelected = true;
  }
  if (rop) {
    f.oldRop = SetROP2(f.mem, rop);
    f.ropSet = true;
  }
}

void frame_end(DrawFrame& f) {
  if (f.clipped) SelectClipRgn(f.mem, nullptr);
  if (f.ropSet) SetROP2(f.mem, f.oldRop);
  if (f.penSelected) SelectObject(f.mem, f.oldPen);
  if (f.colourPen) DeleteObject(f.colourPen);
  if (f.oldBitmap) SelectObject(f.mem, f.oldBitmap);
  DeleteDC(f.mem);
  ReleaseDC(host.window, f.window);
}

static LONG to_long(int64_t v) {
  return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN / 2, INT32_MAX / 2));
}

void frame_refresh(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  if (!host.autoRefresh) return;
  RECT r = {to_long(left), to_long(top), to_long(right), to_long(bottom)};
  host_invalidate(r);
}

/* ---------------------------------------------------------------------------
 * Spans
 * ------------------------------------------------------------------------- */

static void window_line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// The transfer that does what the context's line operation does, when that needs no pen
// (black, white, invert); 0 otherwise.
static DWORD pen_free_operation(HDC dc) {
  switch (GetROP2(dc)) {
    case R2_BLACK:
      return BLACKNESS;
    case R2_WHITE:
      return WHITENESS;
    case R2_NOT:
      return DSTINVERT;
  }
  return 0;
}

// A run of device pixels of a diagonal line in one row or column, as one window
// rectangle: one transfer for the operations that need no pen, else two window lines.
static void run(HDC dc, DWORD rop, int x, int y, int w, int h) {
  if (rop) {
    PatBlt(dc, 2 * x, 2 * y, 2 * w, 2 * h, rop);
  } else if (h == 1) {
    window_line(dc, 2 * x, 2 * y, 2 * (x + w), 2 * y);
    window_line(dc, 2 * x, 2 * y + 1, 2 * (x + w), 2 * y + 1);
  } else {
    window_line(dc, 2 * x, 2 * y, 2 * x, 2 * (y + h));
    window_line(dc, 2 * x + 1, 2 * y, 2 * x + 1, 2 * (y + h));
  }
}

// The points from (x1, y1), included, to (x2, y2), excluded, one a step of the major
// axis, the minor coordinate rounded to the nearest with halves toward the start (as the
// platform's LineDDA gives them), drawn a run of equal minor coordinate at a time. Each
// pixel is drawn once, so every raster operation gives what a block a point gives.
// Coordinates are clamped, so the arithmetic fits in int.
template <bool XMajor>
static void diagonal_runs(HDC dc, DWORD rop, int x1, int y1, int n, int minor, int sMajor,
                          int sMinor) {
  int twoN = 2 * n, step = 2 * minor, r = n - 1, start = 0, m = 0;
  auto emit = [&](int last) {  // the run of offset m from point start to point last
    int from = sMajor > 0 ? start : -last, len = last - start + 1;
    if constexpr (XMajor)
      run(dc, rop, x1 + from, y1 + m, len, 1);
    else
      run(dc, rop, x1 + m, y1 + from, 1, len);
  };
  for (int i = 0; i < n; i++) {
    r += step;
    if (r >= twoN) {  // the minor coordinate moves on after point i
      r -= twoN;
      emit(i);
      start = i + 1;
      m += sMinor;
    }
  }
  if (start < n) emit(n - 1);
}

static void diagonal(HDC dc, int x1, int y1, int x2, int y2) {
  DWORD rop = pen_free_operation(dc);
  int dx = x2 - x1, dy = y2 - y1;
  int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
  if (ax >= ay)
    diagonal_runs<true>(dc, rop, x1, y1, ax, ay, dx < 0 ? -1 : 1, dy < 0 ? -1 : 1);
  else
    diagonal_runs<false>(dc, rop, x1, y1, ay, ax, dy < 0 ? -1 : 1, dx < 0 ? -1 : 1);
}

void plot_span(HDC dc, int x1, int y1, int x2, int y2, bool includeEnd) {
  if (y1 == y2) {
    int X1 = 2 * x1, X2 = 2 * x2, Y = 2 * y1;
    if (X1 >= X2) {
      window_line(dc, X1 + 1, Y, X2 + 1, Y);
      window_line(dc, X1 + 1, Y + 1, X2 + 1, Y + 1);
    } else {
      window_line(dc, X1, Y, X2, Y);
      window_line(dc, X1, Y + 1, X2, Y + 1);
    }
  } else if (x1 == x2) {
    int Y1 = 2 * y1, Y2 = 2 * y2, X = 2 * x1;
    if (Y1 >= Y2) {
      window_line(dc, X, Y1 + 1, X, Y2 + 1);
      window_line(dc, X + 1, Y1 + 1, X + 1, Y2 + 1);
    } else {
      window_line(dc, X, Y1, X, Y2);
      window_line(dc, X + 1, Y1, X + 1, Y2);
    }
  } else {
    diagonal(dc, x1, y1, x2, y2);
  }
  if (includeEnd) run(dc, pen_free_operation(dc), x2, y2, 1, 1);  // the end block
}

// A row or column of device pixels, both ends included.
static void row(HDC dc, int y, int x1, int x2) { plot_span(dc, x1, y, x2, y, true); }
static void column(HDC dc, int x, int y1, int y2) { plot_span(dc, x, y1, x, y2, true); }

/* ---------------------------------------------------------------------------
 * Circle quadrants
 * ------------------------------------------------------------------------- */

struct CirclePoint {
  int px, py;
};

// The points of one quadrant of a circle of radius r around the origin.
static std::vector<CirclePoint> circle_walk(int r) {
  std::vector<CirclePoint> out;
  if (r <= 0) return out;
  int x = 0, y = r, dx = 1, dy = 2 * r - 1, err = 0, phase = 1;
  for (;;) {
    if (x >= y) break;
    if (phase == 1) {
      out.push_back({x, y});
      phase = 0;
      continue;
    }
    x += 1;
    err += dx;
    dx += 2;
    if (dy < 2 * err) {
      y -= 1;
      err -= dy;
      dy -= 2;
    }
    if (x > y) break;
    out.push_back({y, x});
    phase = 1;
  }
  return out;
}

// Smallest and largest px per py of a walk; -1 where a row has no point.
struct RowExtents {
  std::vector<int> min, max;
  explicit RowExtents(int r) {
    int n = r > 0 ? r + 1 : 1;
    min.assign(static_cast<size_t>(n), -1);
    max.assign(static_cast<size_t>(n), -1);
    for (const CirclePoint& p : circle_walk(r)) {
      if (min[p.py] < 0 || p.px < min[p.py]) min[p.py] = p.px;
      if (p.px > max[p.py]) max[p.py] = p.px;
    }
  }
  int lo(int py) const { return py >= 0 && py < static_cast<int>(min.size()) ? min[py] : -1; }
  int hi(int py) const { return py >= 0 && py < static_cast<int>(max.size()) ? max[py] : -1; }
};

// A negative size means the pixels ending at the coordinate.
static void normalise(int64_t& pos, int64_t& size) {
  if (size < 0) {
    pos = pos + size + 1;
    size = -size;
  }
}

/* ---------------------------------------------------------------------------
 * Natives
 * ------------------------------------------------------------------------- */

// Keeps a segment inside the coordinate limit (only absurd lines are ever changed).
static void limit_segment(int64_t& x1, int64_t& y1, int64_t& x2, int64_t& y2) {
  const double L = static_cast<double>(GFX_COORD_LIMIT);
  auto outside = [&](int64_t v) { return v < -GFX_COORD_LIMIT || v > GFX_COORD_LIMIT; };
  if (!outside(x1) && !outside(y1) && !outside(x2) && !outside(y2)) return;
  double ax = static_cast<double>(x1), ay = static_cast<double>(y1);
  double dx = static_cast<double>(x2 - x1), dy = static_cast<double>(y2 - y1);
  double t0 = 0, t1 = 1;
  auto clip = [&](double p, double q) {  // Liang-Barsky
    if (p == 0) return q >= 0;
    double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  if (clip(-dx, ax + L) && clip(dx, L - ax) && clip(-dy, ay + L) && clip(dy, L - ay)) {
    x2 = std::llround(ax + t1 * dx);
    y2 = std::llround(ay + t1 * dy);
    x1 = std::llround(ax + t0 * dx);
    y1 = std::llround(ay + t0 * dy);
  } else {  // wholly outside: one point far off the screen
    x1 = x2 = -GFX_COORD_LIMIT;
    y1 = y2 = -GFX_COORD_LIMIT;
  }
}

void gfx_draw_line(jint x1, jint y1, jint x2, jint y2, jint mode) {
  int64_t ax = x1, ay = y1, bx = x2, by = y2;
  limit_segment(ax, ay, bx, by);
  DrawFrame f;
  frame_begin(f, true);
  frame_select_mode(f, mode);
  plot_span(f.mem, gfx_clamp(ax), gfx_clamp(ay), gfx_clamp(bx), gfx_clamp(by), true);
  frame_end(f);
  frame_refresh(2 * std::min(ax, bx), 2 * std::min(ay, by), 2 * std::max(ax, bx) + 2,
                2 * std::max(ay, by) + 2);
}

// Left and right edges kept within the coordinate limit (the visible part is unchanged).
static void limit_box(int64_t& x, int64_t& w) {
  int64_t r = x + w - 1;
  x = std::clamp(x, -GFX_COORD_LIMIT, GFX_COORD_LIMIT);
  r = std::clamp(r, -GFX_COORD_LIMIT - 1, GFX_COORD_LIMIT);
  w = r - x + 1;
}

void gfx_fill_rectangle(jint x, jint y, jint width, jint height, jint mode, jint radius) {
  int64_t X = x, Y = y, W = width, H = height;
  normalise(X, W);
  normalise(Y, H);
  int64_t refreshW = W, refreshH = H, refreshX = X, refreshY = Y;
  DrawFrame f;
  frame_begin(f, true);
  frame_select_mode(f, mode);
  if (W > 0 && H > 0) {  // an empty rectangle fills nothing
    limit_box(X, W);
    limit_box(Y, H);
    int l = static_cast<int>(X), t = static_cast<int>(Y);
    int right = static_cast<int>(X + W - 1), bottom = static_cast<int>(Y + H - 1);
    int top = t, bot = bottom;
    if (radius > 0) {
      int64_t R = std::min<int64_t>(radius, W / 2);
      R = std::min<int64_t>(R, H / 2);
      if (!(X + R < right - R && Y + R < bottom - R)) R -= 1;
      R = std::max<int64_t>(R, 0);
      int r = static_cast<int>(R);
      int l2 = l + r, t2 = t + r, r2 = right - r, b2 = bottom - r;
      RowExtents ext(r);
      for (int py = 1; py <= r; py++) {
        int px = ext.hi(py);
        if (px < 0) continue;
        row(f.mem, t2 - py, l2 - px, r2 + px);
        row(f.mem, b2 + py, l2 - px, r2 + px);
      }
      top = t2;
      bot = b2;
    }
    // Rows off the screen draw nothing; they are skipped. Operations that need no pen
    // fill the block of rows at once (each pixel once, as row by row).
    int y0 = std::max(top, -2), y1 = std::min(bot, HOST_SCREEN_SIZE / 2 + 1);
    DWORD rop = pen_free_operation(f.mem);
    if (rop && y0 <= y1) {
      PatBlt(f.mem, 2 * l, 2 * y0, 2 * (right - l + 1), 2 * (y1 - y0 + 1), rop);
    } else {
      for (int yy = y0; yy <= y1; yy++) row(f.mem, yy, l, right);
    }
  }
  frame_end(f);
  frame_refresh(2 * refreshX, 2 * refreshY, 2 * refreshX + 2 * refreshW + 2,
                2 * refreshY + 2 * refreshH + 2);
}

// One ring of a border; returns the radius it used.
static int ring(HDC dc, int l, int t, int r, int b, int q, int previous) {
  if (q <= 0) {
    plot_span(dc, l, t, r, t, false);
    plot_span(dc, r, t, r, b, false);
    plot_span(dc, r, b, l, b, false);
    plot_span(dc, l, b, l, t, false);
    return q;
  }
  q = std::min(q, (r - l + 1) / 2);
  q = std::min(q, (b - t + 1) / 2);
  if (l + q >= r - q || t + q >= b - q) q -= 1;
  q = std::max(q, 0);
  int l2 = l + q, t2 = t + q, r2 = r - q, b2 = b - q;
  RowExtents ext(q), prev(previous);
  for (const CirclePoint& p : circle_walk(q)) {
    int mn = ext.lo(p.py), mx = ext.hi(p.py);
    if (p.px < mx) continue;
    int pm = prev.hi(p.py);
    if (pm >= 0 && pm + 1 < mn) mn = pm + 1;  // reach inward to meet the previous ring
    for (int yy : {t2 - p.py, b2 + p.py}) {
      row(dc, yy, l2 - mn, l2 - mx);
      row(dc, yy, r2 + mn, r2 + mx);
    }
  }
  if (l2 + 1 <= r2 - 1) {
    row(dc, t, l2 + 1, r2 - 1);
    row(dc, b, l2 + 1, r2 - 1);
  }
  if (t2 <= b2) {
    column(dc, l, t2, b2);
    column(dc, r, t2, b2);
  }
  return q;
}

void gfx_draw_border(jint x, jint y, jint width, jint height, jint mode, jint frame) {
  int64_t X = x, Y = y, W = width, H = height;
  normalise(X, W);
  normalise(Y, H);
  limit_box(X, W);
  limit_box(Y, H);
  int l = static_cast<int>(X), t = static_cast<int>(Y);
  int r = static_cast<int>(X + W - 1), b = static_cast<int>(Y + H - 1);
  int thickness = frame & 3, corner = (frame >> 8) & 0xFF, previous = -1;
  DrawFrame f;
  frame_begin(f, true);
  frame_select_mode(f, mode);
  for (int i = 1; i <= thickness; i++) {
    l -= 1;
    t -= 1;
    r += 1;
    b += 1;
    previous = ring(f.mem, l, t, r, b, corner >= 1 ? corner + i - 1 : corner, previous);
  }
  frame_end(f);
  frame_refresh(2 * int64_t{l}, 2 * int64_t{t}, 2 * int64_t{r} + 2, 2 * int64_t{b} + 2);
}

void gfx_set_draw_region(jint x, jint y, jint width, jint height) {
  int64_t X = x, Y = y, W = width, H = height;
  normalise(X, W);
  normalise(Y, H);
  limit_box(X, W);
  limit_box(Y, H);
  if (host.drawRegion) DeleteObject(host.drawRegion);
  host.drawRegion = CreateRectRgn(static_cast<int>(2 * X), static_cast<int>(2 * Y),
                                  static_cast<int>(2 * (X + W)), static_cast<int>(2 * (Y + H)));
}

void gfx_reset_draw_region() {
  if (host.drawRegion) DeleteObject(host.drawRegion);
  host.drawRegion = nullptr;
}

static DWORD copy_operation(jint mode) {
  switch (mode) {
    case 1:
      return SRCAND;
    case 2:
      return SRCERASE;
    case 3:
      return SRCINVERT;
    case 4:
      return SRCPAINT;
    case 5:
      return NOTSRCCOPY;
  }
  return SRCCOPY;
}

// A copy between the screen and off-screen bitmaps in window pixels; SRCINVERT followed by
// DSTINVERT when asked (the off-screen copy's mode 3).
static void copy_bits(jint sx, jint sy, jint width, jint height, jint tx, jint ty, jint mode,
                      bool sourceOffscreen, bool targetOffscreen, bool invertAfterXor) {
  host_note_work();
  HDC window = GetDC(host.window);
  HDC src = CreateCompatibleDC(window);
  HDC dst = CreateCompatibleDC(window);
  HBITMAP from = sourceOffscreen ? host.offscreen : host.screen;
  HBITMAP to = targetOffscreen ? host.offscreen : host.screen;
  int SX = 2 * gfx_clamp(sx), SY = 2 * gfx_clamp(sy), TX = 2 * gfx_clamp(tx),
      TY = 2 * gfx_clamp(ty);
  int W = 2 * gfx_clamp(width), H = 2 * gfx_clamp(height);
  // A bitmap sits in one context at a time: a copy within one bitmap uses one context.
  HDC target = from == to ? src : dst;
  HGDIOBJ oldSrc = from ? SelectObject(src, from) : nullptr;
  HGDIOBJ oldDst = (to && from != to) ? SelectObject(dst, to) : nullptr;
  if (from && to) {
    BitBlt(target, TX, TY, W, H, src, SX, SY, copy_operation(mode));
    if (mode == 3 && invertAfterXor) BitBlt(target, TX, TY, W, H, nullptr, 0, 0, DSTINVERT);
  }
  if (oldDst) SelectObject(dst, oldDst);
  if (oldSrc) SelectObject(src, oldSrc);
  DeleteDC(dst);
  DeleteDC(src);
  ReleaseDC(host.window, window);
  if (!targetOffscreen)
    frame_refresh(TX, TY, 2 * (int64_t{gfx_clamp(tx)} + gfx_clamp(width)),
                  2 * (int64_t{gfx_clamp(ty)} + gfx_clamp(height)));
}

void gfx_copy_region(jint sx, jint sy, jint width, jint height, jint tx, jint ty, jint mode) {
  copy_bits(sx, sy, width, height, tx, ty, mode, false, false, false);
}

void gfx_copy_offscreen_region(jint sx, jint sy, jint width, jint height, jint tx, jint ty,
                               jint mode, jint sourceOffscreen, jint targetOffscreen) {
  copy_bits(sx, sy, width, height, tx, ty, mode, sourceOffscreen != 0, targetOffscreen != 0, true);
}

void gfx_no_op() {}
