// PNG writer for screenshots: 8-bit RGB, one IDAT. Compressed with zlib where the build has
// it; otherwise (the Windows cross build) stored deflate blocks, which every reader takes.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/host.h"

#ifdef PALM_HAVE_ZLIB
#include <zlib.h>
#endif

static uint32_t crc_table[256];

static void make_crc_table() {
  for (uint32_t n = 0; n < 256; n++) {
    uint32_t c = n;
    for (int k = 0; k < 8; k++) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    crc_table[n] = c;
  }
}

static uint32_t crc(const uint8_t* p, size_t n, uint32_t c = 0xFFFFFFFFu) {
  for (size_t i = 0; i < n; i++) c = crc_table[(c ^ p[i]) & 0xFF] ^ (c >> 8);
  return c;
}

static void put32(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 24));
  out.push_back(static_cast<uint8_t>(v >> 16));
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

static void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  put32(out, static_cast<uint32_t>(data.size()));
  size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  put32(out, crc(&out[start], out.size() - start) ^ 0xFFFFFFFFu);
}

// The zlib stream of the raw scan lines.
static std::vector<uint8_t> zlib_stream(const std::vector<uint8_t>& raw) {
#ifdef PALM_HAVE_ZLIB
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(size);
  if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 6) == Z_OK) {
    packed.resize(size);
    return packed;
  }
#endif
  std::vector<uint8_t> z = {0x78, 0x01};  // stored blocks, then the Adler-32
  uint32_t a = 1, b = 0;
  for (size_t pos = 0; pos < raw.size() || pos == 0;) {
    size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
    z.push_back(pos + n == raw.size() ? 1 : 0);
    z.push_back(static_cast<uint8_t>(n));
    z.push_back(static_cast<uint8_t>(n >> 8));
    z.push_back(static_cast<uint8_t>(~n));
    z.push_back(static_cast<uint8_t>(~n >> 8));
    for (size_t i = 0; i < n; i++) {
      z.push_back(raw[pos + i]);
      a = (a + raw[pos + i]) % 65521;
      b = (b + a) % 65521;
    }
    pos += n;
    if (n == 0) break;
  }
  put32(z, (b << 16) | a);
  return z;
}

// False when the file cannot be written in full, with the reason in `why`; whatever was at
// the path is then left as it was.
bool png_write(const char* path, const uint32_t* pixels, int width, int height, std::string* why) {
  if (!crc_table[1]) make_crc_table();
  // Raw scan lines: filter byte 0, then R, G, B.
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
  for (int y = 0; y < height; y++) {
    raw.push_back(0);
    for (int x = 0; x < width; x++) {
      uint32_t p = pixels[static_cast<size_t>(y) * width + x];
      raw.push_back(static_cast<uint8_t>(p >> 16));
      raw.push_back(static_cast<uint8_t>(p >> 8));
      raw.push_back(static_cast<uint8_t>(p));
    }
  }
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  put32(ihdr, static_cast<uint32_t>(width));
  put32(ihdr, static_cast<uint32_t>(height));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  chunk(out, "IHDR", ihdr);
  chunk(out, "IDAT", zlib_stream(raw));
  chunk(out, "IEND", {});
  HostFile f;
  std::string failure = host_file_begin(f, path);
  if (failure.empty()) {
    if (host_file_write(f, out.data(), out.size())) {
      failure = host_file_commit(f);
    } else {
      failure = strerror(errno);
      host_file_abandon(f);
    }
  }
  if (why) *why = failure;
  return failure.empty();
}
