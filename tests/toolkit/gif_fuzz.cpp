// Random-mutation fuzzing of the GIF loader for a fixed time (seconds in argv[1]): valid
// pictures from a small literal-code encoder, then flipped, cut, spliced and resized. Every
// input must end in a picture, a RuntimeException of the loader's own, or the out-of-memory
// report; a crash or undefined behaviour (under UBSan) fails the run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "class_lists.h"
#include "com/sun/kjava/Bitmap.h"
#include "de/kawt/impl/kjava/GifLoader.h"
#include "de/kawt/impl/kjava/ImageImpl.h"
#include "java/awt/Image.h"
#include "java/io/ByteArrayInputStream.h"
#include "java/io/InputStream.h"
#include "java/lang/Integer.h"
#include "program.h"

using de::kawt::impl::kjava::GifLoader;
using de::kawt::impl::kjava::ImageImpl;
using Bytes = std::vector<uint8_t>;

static ClassDecl shortArray = rt_array_class("[S");

static std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> list = runtime_classes();
  list.insert(list.end(), {&shortArray, &java::lang::Integer::klass, &java::io::InputStream::klass,
                           &java::io::ByteArrayInputStream::klass, &com::sun::kjava::Bitmap::klass,
                           &java::awt::Image::klass, &ImageImpl::klass, &GifLoader::klass});
  return list;
}

// Seed pictures: literal codes only, with the widths a decoder's table growth gives.

static void word(Bytes& out, int v) { out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)}); }

static Bytes raster(std::mt19937& rng, int root, int pixels, int clearEvery) {
  Bytes out;
  uint32_t bits = 0;
  int n = 0, clear = 1 << root, size = root + 1, avail = clear + 2, since = 0;
  bool first = true;
  auto put = [&](int code) {
    bits |= static_cast<uint32_t>(code) << n;
    for (n += size; n >= 8; n -= 8, bits >>= 8) out.push_back(static_cast<uint8_t>(bits));
  };
  put(clear);
  for (int i = 0; i < pixels; i++) {
    if (clearEvery && ++since == clearEvery) {
      put(clear);
      size = root + 1, avail = clear + 2, first = true, since = 0;
    }
    put(static_cast<int>(rng() % static_cast<unsigned>(clear)));
    if (!first && avail < 4096 && ++avail == (1 << size) && size < 12) size++;
    first = false;
  }
  put(clear + 1);
  if (n) out.push_back(static_cast<uint8_t>(bits));
  return out;
}

static void subblocks(Bytes& out, const Bytes& data, int size) {
  for (size_t i = 0; i < data.size(); i += size) {
    size_t len = std::min<size_t>(size, data.size() - i);
    out.push_back(static_cast<uint8_t>(len));
    out.insert(out.end(), data.begin() + i, data.begin() + i + len);
  }
  out.push_back(0);
}

static Bytes seed(std::mt19937& rng) {
  auto pick = [&](int lo, int hi) {
    return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1));
  };
  int w = pick(1, 70), h = pick(1, 70), bits = pick(1, 8);
  Bytes g = {'G', 'I', 'F', '8', '9', 'a'};
  word(g, w), word(g, h);
  bool global = pick(0, 3) != 0;
  g.insert(g.end(), {static_cast<uint8_t>((global ? 0x80 : 0) | (bits - 1)), 0, 0});
  if (global)
    for (int i = 0; i < 3 << bits; i++) g.push_back(static_cast<uint8_t>(rng()));
  for (int images = pick(1, 3); images > 0; images--) {
    if (pick(0, 1)) {
      g.insert(g.end(), {0x21, 0xFE});
      Bytes text(pick(0, 300), 'x');
      subblocks(g, text, pick(1, 255));
    }
    int iw = pick(1, w + 4), ih = pick(1, h + 4), left = pick(0, w), top = pick(0, h);
    g.push_back(0x2C);
    word(g, left), word(g, top), word(g, iw), word(g, ih);
    bool local = !global || pick(0, 1);
    int lbits = pick(1, 8);
    g.push_back(static_cast<uint8_t>((local ? 0x80 : 0) | (pick(0, 1) ? 0x40 : 0) | (lbits - 1)));
    if (local)
      for (int i = 0; i < 3 << lbits; i++) g.push_back(static_cast<uint8_t>(rng()));
    int root = std::max(2, local ? lbits : bits);
    g.push_back(static_cast<uint8_t>(root));
    subblocks(g, raster(rng, root, iw * ih, pick(0, 1) ? pick(1, 5000) : 0), pick(1, 255));
  }
  g.push_back(';');
  return g;
}

// A bit flipped, a byte set, a cut, a piece erased or inserted, an extreme byte, or a block
// of its own bytes copied elsewhere.
static void mutate(std::mt19937& rng, Bytes& d) {
  if (d.empty()) return;
  size_t at = rng() % d.size(), kind = rng() % 7;
  if (kind == 0) d[at] ^= static_cast<uint8_t>(1u << (rng() % 8));
  if (kind == 1) d[at] = static_cast<uint8_t>(rng());
  if (kind == 2) d.resize(at);
  if (kind == 3) d.erase(d.begin() + at, d.begin() + std::min(d.size(), at + 1 + rng() % 16));
  if (kind == 4) d.insert(d.begin() + at, rng() % 16 + 1, static_cast<uint8_t>(rng()));
  if (kind == 5) d[at] = static_cast<uint8_t>(rng() % 2 ? 0xFF : 0x00);
  if (kind == 6) {
    size_t from = rng() % d.size(), len = std::min<size_t>(d.size() - from, rng() % 64);
    Bytes piece(d.begin() + from, d.begin() + from + len);
    d.insert(d.begin() + at, piece.begin(), piece.end());
  }
}

// "" when the picture's pixels fit the depth, else what went wrong.
__attribute__((noinline)) static std::string load(const Bytes& bytes, jint depth) {
  Ref volatile data = byte_array(bytes);
  Ref volatile in = jnew<java::io::ByteArrayInputStream>(static_cast<Ref>(data));
  Ref volatile image = GifLoader::load(in, depth);
  jint w = ImageImpl::getWidth(image, nullptr), h = ImageImpl::getHeight(image, nullptr);
  for (jint y = 0; y < h; y += 7)
    for (jint x = 0; x < w; x += 3)
      if (ImageImpl::getPixel(image, x, y) >> depth) return "pixel wider than the depth";
  return "";
}

// "" when the outcome is one the loader may give, else what went wrong.
static std::string decode(const Bytes& bytes, jint depth) {
  std::string bad;
  try {
    Thrown t = catch_java([&] { bad = load(bytes, depth); });
    static const std::set<std::string> known = {
        "Read past eof!", "bad LZW code", "bad LZW code size", "depth currently unsupported!"};
    if (t.cls.empty() || (t.cls == "java/lang/RuntimeException" &&
                          (known.count(t.message) || t.message.rfind("bst#", 0) == 0)))
      return bad;
    return t.cls + ": " + t.message;
  } catch (FatalReport& r) {
    return r.text == "Fatal error: Out of memory." ? "" : r.text;
  }
}

int main(int argc, char** argv) {
  double seconds = argc > 1 ? atof(argv[1]) : 20;
  unsigned seedValue = argc > 2 ? static_cast<unsigned>(strtoul(argv[2], nullptr, 10)) : 1;
  long runs = 0;
  int status = 0;
  host_log.fatalThrows = true;
  run_initialised_program(classes(), [&] {
    std::mt19937 rng(seedValue);
    static const jint depths[] = {1, 4, 8, 1, 4, 8, 0, 2, 16, -3};
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
      Bytes input = seed(rng);
      for (int k = static_cast<int>(rng() % 9); k > 0; k--) mutate(rng, input);
      jint depth = depths[rng() % 10];
      std::string bad = decode(input, depth);
      runs++;
      if (!bad.empty()) {
        fprintf(stderr, "run %ld, depth %d: %s\ninput:", runs, depth, bad.c_str());
        for (uint8_t b : input) fprintf(stderr, " %02x", b);
        fprintf(stderr, "\n");
        status = 1;
        break;
      }
    }
  });
  printf("%ld inputs\n", runs);
  return status;
}
