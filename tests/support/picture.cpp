// Pictures as the automation writes them, read back.
#include "picture.h"

#ifdef PALM_HAVE_ZLIB
#include <zlib.h>
#endif

#include <algorithm>
#include <fstream>
#include <iterator>

static uint32_t be32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// The zlib stream, inflated to exactly `size` bytes; without zlib (where the host writes
// stored blocks) its stored blocks concatenated.
static bool inflate_all(const std::vector<uint8_t>& z, std::vector<uint8_t>& out, size_t size) {
#ifdef PALM_HAVE_ZLIB
  out.resize(size);
  uLongf n = size;
  return uncompress(out.data(), &n, z.data(), z.size()) == Z_OK && n == size;
#else
  for (size_t pos = 2;;) {
    if (pos + 5 > z.size() || (z[pos] >> 1) != 0) return false;  // not a stored block
    size_t n = z[pos + 1] | (z[pos + 2] << 8), check = z[pos + 3] | (z[pos + 4] << 8);
    if ((n ^ 0xFFFF) != check || pos + 5 + n > z.size()) return false;
    out.insert(out.end(), z.begin() + static_cast<long>(pos + 5),
               z.begin() + static_cast<long>(pos + 5 + n));
    if (z[pos] & 1) return out.size() == size;
    pos += 5 + n;
  }
#endif
}

Picture read_png(const std::string& path) {
  Picture p;
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  p.fileSize = file.size();
  static const uint8_t magic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(magic, magic + 8, file.begin())) return p;
  std::vector<uint8_t> z;
  for (size_t pos = 8; pos + 12 <= file.size();) {
    uint32_t len = be32(&file[pos]);
    std::string type(reinterpret_cast<const char*>(&file[pos + 4]), 4);
    if (pos + 12 + len > file.size()) return p;
    const uint8_t* data = &file[pos + 8];
    if (type == "IHDR") {
      p.width = static_cast<int>(be32(data));
      p.height = static_cast<int>(be32(data + 4));
      if (data[8] != 8 || data[9] != 2 || data[12] != 0 || p.width > 4096 || p.height > 4096)
        return p;
    } else if (type == "IDAT") {
      z.insert(z.end(), data, data + len);
    }
    pos += 12 + len;
  }
  size_t row = 1 + 3 * static_cast<size_t>(p.width);
  std::vector<uint8_t> raw;
  if (!inflate_all(z, raw, row * p.height)) return p;
  p.px.resize(static_cast<size_t>(p.width) * p.height);
  for (int y = 0; y < p.height; y++) {
    if (raw[y * row] != 0) return p;  // filtered rows: not ours
    for (int x = 0; x < p.width; x++) {
      const uint8_t* c = &raw[y * row + 1 + 3 * static_cast<size_t>(x)];
      p.px[static_cast<size_t>(y) * p.width + x] =
          (uint32_t{c[0]} << 16) | (uint32_t{c[1]} << 8) | c[2];
    }
  }
  p.ok = true;
  return p;
}

uint32_t device_pixel(const std::vector<uint32_t>& s, int x, int y) {
  uint32_t a = s[(2 * y) * 320 + 2 * x], b = s[(2 * y) * 320 + 2 * x + 1];
  uint32_t c = s[(2 * y + 1) * 320 + 2 * x], d = s[(2 * y + 1) * 320 + 2 * x + 1];
  return a == b && a == c && a == d ? a : 0xFF000000u;
}

Screen device_screen(const std::vector<uint32_t>& window) {
  Screen s;
  s.px.resize(160 * 160);
  for (int y = 0; y < 160; y++)
    for (int x = 0; x < 160; x++)
      s.px[static_cast<size_t>(y) * 160 + x] = device_pixel(window, x, y);
  s.ok = true;
  return s;
}

Screen read_shot(const std::string& path) {
  Picture p = read_png(path);
  return p.ok && p.width == 320 && p.height == 320 ? device_screen(p.px) : Screen{};
}

int Screen::inked(int x0, int y0, int x1, int y1) const {
  int n = 0;
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++) n += !white(x, y);
  return n;
}

bool Screen::sameRegion(const Screen& o, int x0, int y0, int x1, int y1) const {
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++)
      if (at(x, y) != o.at(x, y)) return false;
  return true;
}

::testing::AssertionResult same_picture(const Screen& s, const std::string& path) {
  Screen want = read_shot(path);
  if (!s.ok || !want.ok) return ::testing::AssertionFailure() << "no shot or no picture " << path;
  int n = 0, x0 = 160, y0 = 160, x1 = -1, y1 = -1;
  for (int y = 0; y < 160; y++)
    for (int x = 0; x < 160; x++)
      if (s.at(x, y) != want.at(x, y)) {
        n++;
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
      }
  if (n == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << n << " pixels differ from " << path << " within (" << x0
                                       << ", " << y0 << ") to (" << x1 << ", " << y1 << ")";
}
