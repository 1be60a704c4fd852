// Pictures as the automation writes them: one PNG reader for every test.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// An 8-bit RGB PNG as the host writes it (no filters); ok is false for anything else.
struct Picture {
  int width = 0, height = 0;
  size_t fileSize = 0;
  std::vector<uint32_t> px;  // 0x00RRGGBB, row by row
  bool ok = false;
  uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * width + x]; }
};
Picture read_png(const std::string& path);

// A 160 x 160 device screen read from a 320 x 320 shot; each device pixel is the colour of
// its 2 x 2 block, or 0xFF000000 when the four disagree.
struct Screen {
  std::vector<uint32_t> px;  // 0x00RRGGBB, row by row
  bool ok = false;
  uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * 160 + x]; }
  bool black(int x, int y) const { return at(x, y) == 0x000000; }
  bool white(int x, int y) const { return at(x, y) == 0xFFFFFF; }
  // Non-white pixels within x0..x1, y0..y1 (inclusive).
  int inked(int x0, int y0, int x1, int y1) const;
  bool sameRegion(const Screen& o, int x0, int y0, int x1, int y1) const;
};
Screen read_shot(const std::string& path);
// Colour of device pixel (x, y) of a 320 x 320 picture; its four pixels must agree, else
// 0xFF000000.
uint32_t device_pixel(const std::vector<uint32_t>& s, int x, int y);
// The device screen of a 320 x 320 picture.
Screen device_screen(const std::vector<uint32_t>& window);

// Whether a screen is, pixel for pixel, the committed reference picture at `path` (a shot the
// program's own script made); else how many device pixels differ and the box they lie in.
::testing::AssertionResult same_picture(const Screen& s, const std::string& path);
