// Screenshots as the automation writes them: reading the PNG back into device pixels.
#include "screenshot.h"

#ifdef PALM_HAVE_ZLIB
#include <zlib.h>
#endif

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

Screen read_shot(const std::string& path) {
  Screen s;
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  static const uint8_t magic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(magic, magic + 8, file.begin())) return s;
  uint32_t width = 0, height = 0;
  std::vector<uint8_t> z;
  for (size_t pos = 8; pos + 12 <= file.size();) {
    uint32_t len = be32(&file[pos]);
    std::string type(reinterpret_cast<const char*>(&file[pos + 4]), 4);
    if (pos + 12 + len > file.size()) return s;
    const uint8_t* data = &file[pos + 8];
    if (type == "IHDR") {
      width = be32(data);
      height = be32(data + 4);
      if (data[8] != 8 || data[9] != 2 || data[12] != 0) return s;
    } else if (type == "IDAT") {
      z.insert(z.end(), data, data + len);
    }
    pos += 12 + len;
  }
  std::vector<uint8_t> raw;
  if (width != 320 || height != 320 || !inflate_all(z, raw, 320 * (1 + 3 * 320))) return s;
  auto window = [&](int x, int y) {
    const uint8_t* p =
        &raw[static_cast<size_t>(y) * (1 + 3 * 320) + 1 + 3 * static_cast<size_t>(x)];
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
  };
  for (int y = 0; y < 320; y++)
    if (raw[static_cast<size_t>(y) * (1 + 3 * 320)] != 0) return s;  // filtered rows: not ours
  s.px.resize(160 * 160);
  for (int y = 0; y < 160; y++)
    for (int x = 0; x < 160; x++) {
      uint32_t a = window(2 * x, 2 * y), b = window(2 * x + 1, 2 * y);
      uint32_t c = window(2 * x, 2 * y + 1), d = window(2 * x + 1, 2 * y + 1);
      s.px[static_cast<size_t>(y) * 160 + x] = a == b && a == c && a == d ? a : 0xFF000000u;
    }
  s.ok = true;
  return s;
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
