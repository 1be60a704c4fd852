// Random-mutation fuzzing of the GIF loader for a fixed time (seconds in argv[1]): the decode
// tests' pictures (colour tables, interlacing, twelve-bit codes, extensions, placement and the
// refused ones) flipped, cut, spliced and resized. Every input must end in a picture, a
// RuntimeException of the loader's own, or the out-of-memory report; a crash or undefined
// behaviour (under UBSan) fails the run. Without Pillow there are no pictures: exit 77, skipped.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "class_lists.h"
#include "com/sun/kjava/Bitmap.h"
#include "de/kawt/impl/kjava/GifLoader.h"
#include "de/kawt/impl/kjava/ImageImpl.h"
#include "gif_cases.h"
#include "java/awt/Image.h"
#include "java/io/ByteArrayInputStream.h"
#include "java/io/InputStream.h"
#include "java/lang/Integer.h"
#include "program.h"
#include "scratch.h"

using de::kawt::impl::kjava::GifLoader;
using de::kawt::impl::kjava::ImageImpl;
using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

static ClassDecl shortArray = rt_array_class("[S");

static std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> list = runtime_classes();
  list.insert(list.end(), {&shortArray, &java::lang::Integer::klass, &java::io::InputStream::klass,
                           &java::io::ByteArrayInputStream::klass, &com::sun::kjava::Bitmap::klass,
                           &java::awt::Image::klass, &ImageImpl::klass, &GifLoader::klass});
  return list;
}

// The decode tests' pictures, written afresh by gif_cases.py into a folder of their own and
// read in name order, so that a seed value gives the same run.
static std::vector<Bytes> pictures() {
  fs::path dir = fs::temp_directory_path() / ("gif_fuzz_" + std::to_string(getpid()));
  fs::create_directories(dir);
  if (!write_gif_cases(dir.string())) fprintf(stderr, "gif_cases.py failed\n");
  const std::set<fs::path> files{fs::directory_iterator(dir), fs::directory_iterator()};
  std::vector<Bytes> out;
  for (const fs::path& file : files) {
    if (file.extension() != ".gif") continue;
    std::string bytes = file_bytes(file);
    out.emplace_back(bytes.begin(), bytes.end());
  }
  fs::remove_all(dir);
  return out;
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
  if (!have_pillow()) {
    puts("no pictures to mutate: python3-pil is not installed");
    return 77;
  }
  std::vector<Bytes> seeds = pictures();
  if (seeds.empty()) return 1;  // gif_cases.py said why on standard error
  long runs = 0;
  int status = 0;
  host_log.fatalThrows = true;
  run_initialised_program(classes(), [&] {
    std::mt19937 rng(seedValue);
    static const jint depths[] = {1, 4, 8, 1, 4, 8, 0, 2, 16, -3};
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
      Bytes input = seeds[rng() % seeds.size()];
      for (int k = static_cast<int>(rng() % 8); k >= 0; k--) mutate(rng, input);
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
