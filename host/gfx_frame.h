// The common frame of the drawing natives and the span routine they share.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host.h"

// Device coordinates beyond this are clamped: far off the 160-pixel screen they draw
// nothing anyway, and doubling them stays well inside every integer type.
constexpr int64_t GFX_COORD_LIMIT = 16384;

inline int gfx_clamp(int64_t v) {
  return static_cast<int>(v < -GFX_COORD_LIMIT  ? -GFX_COORD_LIMIT
                          : v > GFX_COORD_LIMIT ? GFX_COORD_LIMIT
                                                : v);
}

struct DrawFrame {
  HDC window;
  HDC mem;
  HGDIOBJ oldBitmap;
  HGDIOBJ oldPen;
  int oldRop;
  bool penSelected;
  bool ropSet;
  HPEN colourPen;
  bool clipped;
};

// Window context, memory context with the screen bitmap, and the draw region if asked.
void frame_begin(DrawFrame& f, bool useRegion);
// Pen and raster operation of a drawing mode word.
void frame_select_mode(DrawFrame& f, int32_t mode);
// Undoes everything frame_begin and frame_select_mode did.
void frame_end(DrawFrame& f);
// Repaints a window rectangle at once while automatic refresh is on.
void frame_refresh(int64_t left, int64_t top, int64_t right, int64_t bottom);

// Device points (x1, y1) to (x2, y2) as 2 x 2 blocks, each pixel drawn once; the end
// point only when asked.
void plot_span(HDC dc, int x1, int y1, int x2, int y2, bool includeEnd);
