// Text and bitmap drawing: strings in the host font, palm bitmaps (plain or scan-line
// compressed) in black and white, and the automatic-refresh switch.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/gfx_frame.h"
#include "host/natives.h"

static const int REFRESH_OFF = -100;  // "" drawn at (0, -100) / (0, -200)
static const int REFRESH_ON = -200;

/* ---------------------------------------------------------------------------
 * Strings
 * ------------------------------------------------------------------------- */

// The characters of a String, never read past its character array.
static std::vector<WCHAR> characters(Ref s, bool cutAtZero) {
  std::vector<WCHAR> out;
  StringFields* f = rt_string(s);
  jint length = rt_array(f->value)->length;
  jint offset = f->offset, count = f->count;
  if (offset < 0 || offset > length) return out;
  if (count > length - offset) count = length - offset;
  const auto* chars = static_cast<const jchar*>(rt_array(f->value)->storage) + offset;
  for (jint i = 0; i < count; i++) {
    if (cutAtZero && chars[i] == 0) break;
    out.push_back(static_cast<WCHAR>(chars[i]));
  }
  return out;
}

static const WCHAR NULL_TEXT[] = {'n', 'u', 'l', 'l'};

// Measures in a memory context compatible with the window, with the host font.
static SIZE measure(const WCHAR* text, int n) {
  SIZE size = {0, 0};
  HDC window = GetDC(host.window);
  HDC mem = CreateCompatibleDC(window);
  HGDIOBJ old = host.font ? SelectObject(mem, host.font) : nullptr;
  GetTextExtentPoint32W(mem, text, n, &size);
  if (old) SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(host.window, window);
  return size;
}

jint gfx_draw_string(Ref string, jint x, jint y, jint mode) {
  rt_take_error();
  if (string && !rt_string(string)->value) {
    rt_set_error(ERR_NULL_POINTER, __LINE__);
    return 0;
  }
  std::vector<WCHAR> text =
      string ? characters(string, true) : std::vector<WCHAR>(NULL_TEXT, NULL_TEXT + 4);
  int n = static_cast<int>(text.size());
  if (n == 0 && x == 0) {
    if (y == REFRESH_OFF) {
      host_frame_start();
      host.autoRefresh = 0;
      host_note_work();
      return 0;
    }
    if (y == REFRESH_ON) {
      host.autoRefresh = 1;
      host_note_work();
      RECT all = {0, 0, HOST_SCREEN_SIZE, HOST_SCREEN_SIZE};
      host_invalidate(all);
      return 0;
    }
  }
  int X = gfx_clamp(x), Y = gfx_clamp(y);
  DrawFrame f;
  frame_begin(f, true);
  HGDIOBJ oldFont = host.font ? SelectObject(f.mem, host.font) : nullptr;
  UINT oldAlign = SetTextAlign(f.mem, TA_LEFT | TA_TOP | TA_UPDATECP);
  MoveToEx(f.mem, 2 * X, 2 * Y, nullptr);
  SIZE size = {0, 0};
  int m = mode & 7;
  if (m >= 1 && m <= 5) {
    COLORREF fg = RGB(0, 0, 0), bg = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    switch (m) {
      case DRAW_GRAY:
        fg = RGB(127, 127, 127);
        break;
      case DRAW_ERASE:
        fg = RGB(255, 255, 255);
        bkMode = TRANSPARENT;
        break;
      case DRAW_INVERT:
        fg = RGB(255, 255, 255);
        bg = RGB(0, 0, 0);
        break;
      case DRAW_COLOR:
        if (host.colour) {
          auto c = static_cast<uint32_t>(mode);
          fg = RGB(c >> 24, (c >> 16) & 0xFF, (c >> 8) & 0xFF);
          bkMode = TRANSPARENT;
        }
        break;
    }
    COLORREF oldFg = SetTextColor(f.mem, fg);
    COLORREF oldBg = SetBkColor(f.mem, bg);
    int oldBkMode = SetBkMode(f.mem, bkMode);
    TextOutW(f.mem, 0, 0, text.data(), n);
    SetTextColor(f.mem, oldFg);
    SetBkColor(f.mem, oldBg);
    SetBkMode(f.mem, oldBkMode);
    GetTextExtentPoint32W(f.mem, text.data(), n, &size);
  }
  POINT pos = {2 * X, 2 * Y};
  GetCurrentPositionEx(f.mem, &pos);
  SetTextAlign(f.mem, oldAlign);
  if (oldFont) SelectObject(f.mem, oldFont);
  frame_end(f);
  frame_refresh(2 * int64_t{X}, 2 * int64_t{Y}, 2 * int64_t{X} + size.cx + 1,
                2 * int64_t{Y} + size.cy + 1);
  return pos.x / 2;
}

jint gfx_string_width(Ref string) {
  rt_take_error();
  if (!string) return 0;
  if (!rt_string(string)->value) {
    rt_set_error(ERR_NULL_POINTER, __LINE__);
    return 0;
  }
  std::vector<WCHAR> text = characters(string, true);
  return measure(text.data(), static_cast<int>(text.size())).cx / 2;
}

// The whole count is measured (no cut at a character 0); "" is measured as "H".
jint gfx_string_height(Ref string) {
  rt_take_error();
  if (!string) return 0;
  if (!rt_string(string)->value) {
    rt_set_error(ERR_NULL_POINTER, __LINE__);
    return 0;
  }
  std::vector<WCHAR> text = characters(string, false);
  if (rt_string(string)->count == 0) text = {'H'};
  return measure(text.data(), static_cast<int>(text.size())).cy / 2;
}

/* ---------------------------------------------------------------------------
 * Bitmaps
 * ------------------------------------------------------------------------- */

static const int BITMAP_HEADER_WORDS = 8;

// The byte stream of a bitmap record: two bytes per 16-bit word, high byte first, never
// read past the array.
struct ByteStream {
  const jchar* words;
  int64_t available;  // bytes
  int64_t position = 0;
  bool more() const { return position < available; }
  uint8_t next() {
    jchar w = words[position / 2];
    uint8_t b = (position & 1) ? static_cast<uint8_t>(w & 0xFF) : static_cast<uint8_t>(w >> 8);
    position++;
    return b;
  }
};

// Runs of equal pixels as spans, black with R2_BLACK and white with R2_WHITE. Only the
// columns that land on the screen are scanned; the others would be clipped.
static void draw_row(HDC mem, int x, int y, const uint8_t* bytes, int bytesPerRow, int width) {
  if (y < -1 || y > HOST_SCREEN_SIZE / 2) return;
  int first = std::max(0, -x - 1), last = std::min(width, HOST_SCREEN_SIZE / 2 + 1 - x);
  if (first >= last) return;
  auto pixel = [&](int i) {
    if (host.colour) return i < bytesPerRow && bytes[i] != 0;
    int byte = i / 8;
    return byte < bytesPerRow && (bytes[byte] >> (7 - i % 8)) & 1;
  };
  int start = first;
  bool value = pixel(first);
  for (int i = first + 1; i <= last; i++) {
    bool v = i < last ? pixel(i) : !value;
    if (v == value) continue;
    SetROP2(mem, value ? R2_BLACK : R2_WHITE);
    plot_span(mem, x + start, y, x + i, y, false);
    start = i;
    value = v;
  }
}

void gfx_draw_bitmap(jint x, jint y, Ref bitmap) {
  rt_take_error();
  if (!bitmap) return;
  ArrayFields* a = rt_array(bitmap);
  // A record shorter than its header, or without storage, holds nothing to draw.
  if (!a->storage || a->length < BITMAP_HEADER_WORDS || a->elementSize != 2) return;
  const auto* words = static_cast<const jchar*>(a->storage);
  int width = static_cast<jshort>(words[0]), height = static_cast<jshort>(words[1]);
  int bytesPerRow = static_cast<jshort>(words[2]);
  bool compressed = static_cast<jshort>(words[3]) < 0;
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (bytesPerRow < 0) bytesPerRow = 0;
  auto* rowBytes = static_cast<uint8_t*>(malloc(static_cast<size_t>(bytesPerRow) + 1));
  if (!rowBytes) {
    rt_set_error(ERR_OUT_OF_MEMORY, __LINE__);
    return;
  }
  memset(rowBytes, 0, static_cast<size_t>(bytesPerRow) + 1);  // unsupplied bytes are white
  int X = gfx_clamp(x), Y = gfx_clamp(y);
  DrawFrame f;
  frame_begin(f, true);
  f.oldPen = SelectObject(f.mem, host.blackPen);
  f.penSelected = host.blackPen != nullptr;
  f.oldRop = GetROP2(f.mem);
  f.ropSet = true;
  int64_t dataWords = a->length - BITMAP_HEADER_WORDS;
  if (compressed) {
    // The compressed length, limited to the bytes the array really holds.
    int64_t declared = dataWords > 0 ? words[BITMAP_HEADER_WORDS] : 0;
    ByteStream in{words + BITMAP_HEADER_WORDS + 1, std::max<int64_t>(0, 2 * (dataWords - 1))};
    if (declared < in.available) in.available = declared;
    for (int r = 0; r < height; r++) {
      int c = 0;
      while (c < bytesPerRow && in.more()) {
        uint8_t flags = in.next();
        for (int bit = 0x80; bit && c < bytesPerRow; bit >>= 1, c++)
          if ((flags & bit) && in.more()) rowBytes[c] = in.next();
      }
      draw_row(f.mem, X, Y + r, rowBytes, bytesPerRow, width);
    }
  } else {
    ByteStream in{words + BITMAP_HEADER_WORDS, 2 * dataWords};
    for (int r = 0; r < height; r++) {
      if (in.available - in.position < bytesPerRow) break;  // the array ends: draw no more
      for (int c = 0; c < bytesPerRow; c++) rowBytes[c] = in.next();
      draw_row(f.mem, X, Y + r, rowBytes, bytesPerRow, width);
    }
  }
  frame_end(f);
  free(rowBytes);
  frame_refresh(2 * int64_t{X}, 2 * int64_t{Y}, 2 * int64_t{X} + 2 * int64_t{width},
                2 * int64_t{Y} + 2 * int64_t{height});
}
