// Text in the host font and palm bitmaps.
#include <gtest/gtest.h>

#include "in_process.h"

namespace {

std::vector<uint32_t> g_s;
std::vector<int32_t> g_v;

// The screen after drawing s at (0, 0) on a cleared screen.
std::vector<uint32_t> drawn(Ref s, int32_t mode = DRAW_BLACK) {
  clear_screen();
  gfx_draw_string(s, 0, 0, mode);
  return screen();
}

TEST(Text, MeasuresInTheHostFontAndDrawReturnsTheXAfterTheText) {
  run_body([] {
    EXPECT_EQ((std::vector<int32_t>{gfx_string_height(jstr("")), gfx_string_height(jstr("Hello")),
                                    gfx_string_width(jstr("")), gfx_string_width(nullptr),
                                    gfx_string_height(nullptr), rt_take_error()}),
              (std::vector<int32_t>{11, 11, 0, 0, 0, 0}));
    clear_screen();
    Ref s = jstr("Wide");
    int32_t end = gfx_draw_string(s, 10, 20, DRAW_BLACK);
    EXPECT_EQ(end, 10 + gfx_string_width(s));
    EXPECT_GT(end, 10);
    EXPECT_GT(count_device(screen(), BLACK) + count_device(screen(), 0xFF000000u), 0);
    // Null draws "null".
    EXPECT_EQ(gfx_draw_string(nullptr, 0, 0, DRAW_BLACK), gfx_string_width(jstr("null")));
    EXPECT_EQ(drawn(nullptr), drawn(jstr("null")));
    // The soft hyphen is the hyphen's bar, twice as wide as high (the minus of "-259.34" in
    // Orbitale's pictures), not a dot.
    EXPECT_EQ(drawn(jstr16({0xAD})), drawn(jstr("-")));
  });
}

// A zero character ends drawing and width but not height.
TEST(Text, AZeroCharacterEndsTheText) {
  run_body([] {
    Ref cut = jstr16({'A', 'B', 0, 'C', 'D'});
    EXPECT_EQ(gfx_string_width(cut), gfx_string_width(jstr("AB")));
    EXPECT_EQ(gfx_string_height(cut), 11);
    EXPECT_EQ(drawn(cut), drawn(jstr("AB")));
  });
}

// (White letters with the black showing through, the erase mode: Orbitale's title bar without
// colour, in its reference picture.)
TEST(Text, ModesChooseColoursAndBackgrounds) {
  run_body([] {
    // Opaque modes paint the whole cell.
    clear_screen();
    gfx_fill_rectangle(0, 0, 100, 15, DRAW_BLACK, 0);
    int end = gfx_draw_string(jstr("H"), 0, 0, DRAW_BLACK);
    g_s = screen();
    int blackInCell = 0;
    for (int y = 0; y < 11; y++)
      for (int x = 0; x < end; x++) blackInCell += device_pixel(g_s, x, y) != WHITE;
    EXPECT_LT(blackInCell, end * 11);
    EXPECT_EQ(device_pixel(drawn(jstr("H"), DRAW_INVERT), 0, 0), BLACK);  // white on black
    clear_screen();
    for (int m : {0, 6, 7}) EXPECT_EQ(gfx_draw_string(jstr("H"), 7, 7, m), 7) << m;
    EXPECT_EQ(count_device(screen(), WHITE), 160 * 160);
    // Grey text is drawn in grey on white; black stays only beyond the text.
    clear_screen();
    gfx_fill_rectangle(0, 0, 40, 11, DRAW_BLACK, 0);
    gfx_draw_string(jstr("HH"), 0, 0, DRAW_GRAY);
    g_s = screen();
    EXPECT_GT(count_device(g_s, GREY), 0);
    EXPECT_EQ(device_pixel(g_s, 0, 0), WHITE);
    EXPECT_GT(count_device(g_s, BLACK), 0);
  });
}

// A bitmap record: header words, then data words.
std::vector<uint16_t> record(int width, int height, int bytesPerRow, int flags,
                             const std::vector<uint8_t>& bytes) {
  std::vector<uint16_t> w(8);
  for (int i = 0; int v : {width, height, bytesPerRow, flags}) w[i++] = static_cast<uint16_t>(v);
  for (size_t i = 0; i < bytes.size(); i += 2)
    w.push_back(static_cast<uint16_t>(bytes[i] << 8 | (i + 1 < bytes.size() ? bytes[i + 1] : 0)));
  return w;
}

std::string rows(const std::vector<uint32_t>& s, int x, int y, int w, int h) {
  std::string out;
  for (int r = 0; r < h; r++) {
    for (int c = 0; c < w; c++) {
      uint32_t p = device_pixel(s, x + c, y + r);
      out += p == BLACK ? '#' : p == WHITE ? '.' : 'g';
    }
    out += '/';
  }
  return out;
}

void bitmap(const std::vector<uint16_t>& words, const char* line = "") {
  static std::vector<uint16_t> w;
  w = words;
  InProcess run = {.commandLine = line};
  run.body = [] {
    gfx_fill_rectangle(0, 0, 160, 160, DRAW_GRAY, 0);
    gfx_draw_bitmap(10, 10, w.empty() ? nullptr : new_short_array(w));
    g_v = {rt_take_error()};
    g_s = screen();
  };
  run_in_process(run);
}

// Rows read back at (10, 10) on a grey screen: '#' black, '.' white, 'g' untouched.
TEST(Bitmap, RecordsDrawTheirRows) {
  bitmap(record(10, 2, 2, 0, {0xA5, 0x80, 0xFF, 0x40}));  // plain one-bit rows are opaque
  EXPECT_EQ(rows(g_s, 10, 10, 11, 2), "#.#..#.##.g/########.#g/");
  bitmap(record(4, 1, 4, 0, {0, 7, 0, 1}), "-color");  // colour: a byte a pixel
  EXPECT_EQ(rows(g_s, 10, 10, 5, 1), ".#.#g/");
  // Compressed, length 5: row 0 flags 0xC0 + two bytes; row 1 flags 0, a repeat of the
  // previous; row 2 flags 0x40 + one byte.
  bitmap(record(16, 3, 2, 0x8000, {0, 6, 0xC0, 0xF0, 0x0F, 0x00, 0x40, 0xFF}));
  EXPECT_EQ(rows(g_s, 10, 10, 16, 3), "####........####/####........####/####....########/");
  bitmap(record(8, 3, 2, 0x8000, {0, 2, 0x80, 0x81}));  // ending early: the last row again
  EXPECT_EQ(rows(g_s, 10, 10, 8, 3), "#......#/#......#/#......#/");
}

TEST(Bitmap, RecordsDrawOnlyWhatTheArrayHolds) {
  bitmap(record(16, 1000, 2, 0, {0xFF, 0x00, 0x0F, 0xF0}));
  EXPECT_EQ(g_v[0], 0);
  EXPECT_EQ(rows(g_s, 10, 10, 16, 3), "########......../....########..../gggggggggggggggg/");
  bitmap(record(16, 1000, 2, 0x8000, {0xFF, 0xFF, 0xC0, 0xAA, 0x55}));  // length far too big
  EXPECT_EQ(g_v[0], 0);
  EXPECT_EQ(rows(g_s, 10, 10, 16, 2), "#.#.#.#..#.#.#.#/#.#.#.#..#.#.#.#/");
  for (auto words : {std::vector<uint16_t>{5, 5}, {}}) {  // shorter than a header; null
    bitmap(words);
    EXPECT_EQ(g_v[0], 0);
    EXPECT_EQ(count_device(g_s, GREY), 160 * 160);
  }
}

}  // namespace
