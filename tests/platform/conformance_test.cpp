// The Win32 calls the host makes, held to their documented contracts. The same program runs
// on our stand-in (Linux) and on Windows (under wine), so the stand-in answers as Windows does.
// Pictures are black and white, which every kind of bitmap holds exactly.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

namespace {

// A memory DC with a width x 1 bitmap, starting as `pixels` ('B' black, 'W' white).
struct Strip {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bmp;
  HGDIOBJ old;
  int width;
  explicit Strip(const std::string& pixels) : width(static_cast<int>(pixels.size())) {
    bmp = CreateCompatibleBitmap(dc, width, 1);
    old = SelectObject(dc, bmp);
    for (int x = 0; x < width; x++)
      PatBlt(dc, x, 0, 1, 1, pixels[x] == 'B' ? BLACKNESS : WHITENESS);
  }
  ~Strip() {
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  // The pixels now: 'B', 'W', or '?' for any other colour.
  std::string pixels() {
    SelectObject(dc, old);  // a bitmap is read while no DC holds it
    std::vector<uint32_t> px(static_cast<size_t>(width));
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(dc, bmp, 0, 1, px.data(), &bmi, DIB_RGB_COLORS);
    SelectObject(dc, bmp);
    std::string s;
    for (uint32_t p : px) s += (p & 0xFFFFFF) == 0 ? 'B' : (p & 0xFFFFFF) == 0xFFFFFF ? 'W' : '?';
    return s;
  }
};

// Each mixing mode over pen and screen pixels (pen, screen) = (B, B), (B, W), (W, B), (W, W):
// the four results as the mode's name defines them.
TEST(PlatformGdi, LineMixModesCombinePenAndScreen) {
  const std::pair<int, const char*> modes[] = {
      {R2_BLACK, "BBBB"},      {R2_NOTMERGEPEN, "WBBB"}, {R2_MASKNOTPEN, "BWBB"},
      {R2_NOTCOPYPEN, "WWBB"}, {R2_MASKPENNOT, "BBWB"},  {R2_NOT, "WBWB"},
      {R2_XORPEN, "BWWB"},     {R2_NOTMASKPEN, "WWWB"},  {R2_MASKPEN, "BBBW"},
      {R2_NOTXORPEN, "WBBW"},  {R2_NOP, "BWBW"},         {R2_MERGENOTPEN, "WWBW"},
      {R2_COPYPEN, "BBWW"},    {R2_MERGEPENNOT, "WBWW"}, {R2_MERGEPEN, "BWWW"},
      {R2_WHITE, "WWWW"}};
  for (auto [mode, want] : modes) {
    Strip s("BWBW");
    HPEN black = CreatePen(PS_SOLID, 0, RGB(0, 0, 0)),
         white = CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(s.dc, black);
    EXPECT_EQ(SetROP2(s.dc, mode), R2_COPYPEN);  // the DC's default mode
    MoveToEx(s.dc, 0, 0, nullptr);
    LineTo(s.dc, 2, 0);  // pixels 0 and 1: the last point is not drawn
    SelectObject(s.dc, white);
    LineTo(s.dc, 4, 0);  // from the current position, now (2, 0)
    POINT at{};
    GetCurrentPositionEx(s.dc, &at);
    EXPECT_EQ(at.x, 4);
    EXPECT_EQ(GetROP2(s.dc), mode);
    EXPECT_EQ(s.pixels(), want) << "mode " << mode;
    SelectObject(s.dc, old);
    DeleteObject(black);
    DeleteObject(white);
  }
}

// Transfers of source pixels BBWW onto screen pixels BWBW, by the operations' definitions.
TEST(PlatformGdi, TransfersCombineSourceAndScreen) {
  const std::pair<DWORD, const char*> ops[] = {
      {SRCCOPY, "BBWW"},    {SRCPAINT, "BWWW"},   {SRCAND, "BBBW"},    {SRCINVERT, "BWWB"},
      {SRCERASE, "BBWB"},   {NOTSRCCOPY, "WWBB"}, {DSTINVERT, "WBWB"}, {BLACKNESS, "BBBB"},
      {WHITENESS, "WWWW"},  {0x00BB0226, "WWBW"},  // not source, or screen
      {0x001100A6, "WBBB"},                        // neither source nor screen
  };
  for (auto [op, want] : ops) {
    Strip src("BBWW"), dst("BWBW");
    EXPECT_TRUE(BitBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, op));
    EXPECT_EQ(dst.pixels(), want) << std::hex << op;
  }
}

// Fills cover [x, x + width); a negative width covers the pixels ending at x; a clip region
// keeps drawing inside it.
TEST(PlatformGdi, FillsCoverTheirRectangleWithinTheClip) {
  Strip s("WWWWWW");
  PatBlt(s.dc, 1, 0, 2, 1, BLACKNESS);
  EXPECT_EQ(s.pixels(), "WBBWWW");
  PatBlt(s.dc, 5, 0, -2, 1, DSTINVERT);
  EXPECT_EQ(s.pixels(), "WBBWBB");
  HRGN clip = CreateRectRgn(2, 0, 4, 1);
  SelectClipRgn(s.dc, clip);
  PatBlt(s.dc, 0, 0, 6, 1, WHITENESS);
  EXPECT_EQ(s.pixels(), "WBWWBB");
  SelectClipRgn(s.dc, nullptr);
  DeleteObject(clip);
  PatBlt(s.dc, 0, 0, 6, 1, BLACKNESS);
  EXPECT_EQ(s.pixels(), "BBBBBB");
}

void CALLBACK note_point(int x, int y, LPARAM data) {
  reinterpret_cast<std::vector<std::pair<int, int>>*>(data)->push_back({x, y});
}

// A line's points leave out its end; a point is inside a rectangle's left and top edges
// only.
TEST(PlatformGdi, LinePointsAndRectangleEdges) {
  std::vector<std::pair<int, int>> points;
  LineDDA(0, 0, 4, 0, note_point, reinterpret_cast<LPARAM>(&points));
  EXPECT_EQ(points, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
  points.clear();
  LineDDA(2, 5, 2, 2, note_point, reinterpret_cast<LPARAM>(&points));
  EXPECT_EQ(points, (std::vector<std::pair<int, int>>{{2, 5}, {2, 4}, {2, 3}}));
  RECT r = {10, 20, 30, 40};
  EXPECT_TRUE(PtInRect(&r, POINT{10, 20}));
  EXPECT_TRUE(PtInRect(&r, POINT{29, 39}));
  EXPECT_FALSE(PtInRect(&r, POINT{30, 25}));
  EXPECT_FALSE(PtInRect(&r, POINT{15, 40}));
}

LRESULT CALLBACK plain_window(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(w, msg, wp, lp);
}

// Posted messages come back in order, each once when removed; a look without removing
// leaves the message in place.
TEST(PlatformUser, PostedMessagesArriveInOrder) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = plain_window;
  wc.lpszClassName = "PlatformTest";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "PlatformTest", "test", 0, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                           nullptr);
  ASSERT_NE(w, nullptr);
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
  }
  for (WPARAM id : {1, 2, 3}) EXPECT_TRUE(PostMessageA(w, WM_COMMAND, id, 0));
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_COMMAND));
  EXPECT_EQ(m.wParam, 1u);
  std::vector<WPARAM> seen;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
    if (m.message == WM_COMMAND) seen.push_back(m.wParam);
  EXPECT_EQ(seen, (std::vector<WPARAM>{1, 2, 3}));
  DestroyWindow(w);
}

// The file-time epoch is 1601: 1970-01-01 is 11,644,473,600 seconds later; an impossible
// date is refused. The tick count never goes back.
TEST(PlatformKernel, TimeConversionAndClocks) {
  SYSTEMTIME epoch = {1970, 1, 0, 1, 0, 0, 0, 0};
  FILETIME ft{};
  ASSERT_TRUE(SystemTimeToFileTime(&epoch, &ft));
  EXPECT_EQ((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime,
            116444736000000000ull);
  SYSTEMTIME bad = {2000, 13, 0, 1, 0, 0, 0, 0};
  EXPECT_FALSE(SystemTimeToFileTime(&bad, &ft));
  DWORD a = GetTickCount();
  Sleep(20);
  DWORD b = GetTickCount();
  EXPECT_GE(b - a, 10u);
  LARGE_INTEGER f;
  EXPECT_TRUE(QueryPerformanceFrequency(&f));
  EXPECT_GT(f.QuadPart, 0);
}

}  // namespace
