// Icon maker: a program's first screen, as the automation's `shot` saved it, shrunk to icons.
//
// Usage: icons SHOT.png OUT-DIR NAME SIZE...
// Writes OUT-DIR/SIZExSIZE/NAME.png for each size. Each icon pixel is the mean of the screen
// pixels it covers (fractional coverage at the edges), darkened towards the darkest of
// them so that one-pixel line drawings stay visible at the small sizes. A screen of one
// colour is refused: the program had drawn nothing yet.
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

static const int MAX_SIZE = 1024;
static const int MAX_SHOT = 4096;  // a larger picture is not a shot
// How far an icon pixel goes from the mean towards the darkest pixel it covers.
static const double DARKEST_WEIGHT = 0.5;

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;  // row by row, three bytes a pixel
};

static uint32_t be32(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

/* ---------------------------------------------------------------------------
 * PNG in and out (8-bit RGB, not interlaced, rows unfiltered: as the host writes it)
 * ------------------------------------------------------------------------- */

static bool read_png(const std::string& path, Picture& pic) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), {});
  static const uint8_t SIGNATURE[8] = {137, 'P', 'N', 'G', 13, 10, 26, 10};
  if (data.size() < 8 || !std::equal(SIGNATURE, SIGNATURE + 8, data.begin())) return false;
  std::vector<uint8_t> idat;
  bool header = false;
  for (size_t pos = 8; pos + 12 <= data.size();) {
    uint32_t n = be32(&data[pos]);
    if (n > data.size() - pos - 12) return false;
    const uint8_t* body = &data[pos + 8];
    std::string type(reinterpret_cast<const char*>(&data[pos + 4]), 4);
    if (type == "IHDR" && n >= 13) {
      pic.width = static_cast<int>(be32(body));
      pic.height = static_cast<int>(be32(body + 4));
      // Bit depth 8, colour type 2 (RGB), no interlace.
      header = body[8] == 8 && body[9] == 2 && body[12] == 0;
    } else if (type == "IDAT") {
      idat.insert(idat.end(), body, body + n);
    }
    pos += 12 + n;
  }
  if (!header || pic.width <= 0 || pic.height <= 0 || pic.width > MAX_SHOT || pic.height > MAX_SHOT)
    return false;
  size_t stride = 3 * static_cast<size_t>(pic.width);
  std::vector<uint8_t> raw((stride + 1) * pic.height);
  uLongf rawSize = raw.size();
  if (uncompress(raw.data(), &rawSize, idat.data(), idat.size()) != Z_OK || rawSize != raw.size())
    return false;
  // The host writes every row unfiltered (filter type 0).
  for (int y = 0; y < pic.height; y++) {
    const uint8_t* row = &raw[y * (stride + 1)];
    if (row[0] != 0) return false;
    pic.rgb.insert(pic.rgb.end(), row + 1, row + 1 + stride);
  }
  return true;
}

static void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

static void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
  put32(out, static_cast<uint32_t>(body.size()));
  size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  put32(out, static_cast<uint32_t>(crc32(0, &out[start], static_cast<uInt>(out.size() - start))));
}

static bool write_png(const std::string& path, const Picture& pic) {
  size_t stride = 3 * static_cast<size_t>(pic.width);
  std::vector<uint8_t> raw;
  for (int y = 0; y < pic.height; y++) {
    raw.push_back(0);
    raw.insert(raw.end(), &pic.rgb[y * stride], &pic.rgb[y * stride] + stride);
  }
  std::vector<uint8_t> packed(compressBound(raw.size()));
  uLongf packedSize = packed.size();
  if (compress2(packed.data(), &packedSize, raw.data(), raw.size(), 9) != Z_OK) return false;
  packed.resize(packedSize);

  std::vector<uint8_t> png = {137, 'P', 'N', 'G', 13, 10, 26, 10};
  std::vector<uint8_t> header;
  put32(header, static_cast<uint32_t>(pic.width));
  put32(header, static_cast<uint32_t>(pic.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", packed);
  chunk(png, "IEND", {});
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return out.good();
}

/* ---------------------------------------------------------------------------
 * Shrinking
 * ------------------------------------------------------------------------- */

// The source span [lo, hi) that icon pixel i of n covers, in source pixels.
static void span(int i, int n, int source, double& lo, double& hi) {
  lo = static_cast<double>(i) * source / n;
  hi = static_cast<double>(i + 1) * source / n;
}

static Picture shrink(const Picture& src, int size) {
  Picture icon;
  icon.width = icon.height = size;
  icon.rgb.resize(3 * size * size);
  for (int y = 0; y < size; y++) {
    double y0, y1;
    span(y, size, src.height, y0, y1);
    for (int x = 0; x < size; x++) {
      double x0, x1;
      span(x, size, src.width, x0, x1);
      double sum[3] = {}, area = 0;
      int darkest[3] = {255, 255, 255};
      for (int sy = static_cast<int>(y0); sy < y1; sy++) {
        double h = std::min<double>(sy + 1, y1) - std::max<double>(sy, y0);
        for (int sx = static_cast<int>(x0); sx < x1; sx++) {
          double w = (std::min<double>(sx + 1, x1) - std::max<double>(sx, x0)) * h;
          const uint8_t* p = &src.rgb[3 * (static_cast<size_t>(sy) * src.width + sx)];
          for (int c = 0; c < 3; c++) {
            sum[c] += w * p[c];
            darkest[c] = std::min<int>(darkest[c], p[c]);
          }
          area += w;
        }
      }
      for (int c = 0; c < 3; c++) {
        double mean = sum[c] / area;
        double v = mean + DARKEST_WEIGHT * (darkest[c] - mean);
        icon.rgb[3 * (y * size + x) + c] = static_cast<uint8_t>(std::lround(v));
      }
    }
  }
  return icon;
}

static bool one_colour(const Picture& pic) {
  for (size_t i = 3; i < pic.rgb.size(); i += 3)
    if (!std::equal(&pic.rgb[i], &pic.rgb[i] + 3, pic.rgb.begin())) return false;
  return true;
}

int main(int argc, char** argv) {
  if (argc < 5) {
    fprintf(stderr, "usage: icons SHOT.png OUT-DIR NAME SIZE...\n");
    return 2;
  }
  Picture shot;
  if (!read_png(argv[1], shot)) {
    fprintf(stderr, "icons: %s is not an 8-bit RGB PNG picture\n", argv[1]);
    return 1;
  }
  if (one_colour(shot)) {
    fprintf(stderr, "icons: %s is all one colour: nothing was drawn\n", argv[1]);
    return 1;
  }
  std::filesystem::path dir = argv[2];
  std::string name = argv[3];
  for (int i = 4; i < argc; i++) {
    int size = atoi(argv[i]);
    if (size < 1 || size > MAX_SIZE || size > shot.width || size > shot.height) {
      fprintf(stderr, "icons: bad size %s\n", argv[i]);
      return 1;
    }
    std::string dim = std::to_string(size) + "x" + std::to_string(size);
    std::filesystem::create_directories(dir / dim);
    std::string path = (dir / dim / (name + ".png")).string();
    if (!write_png(path, shrink(shot, size))) {
      fprintf(stderr, "icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
