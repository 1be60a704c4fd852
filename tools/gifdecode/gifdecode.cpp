// gifdecode DEPTH FILE: decodes FILE with the toolkit's GIF loader at pixel depth DEPTH
// inside the runtime and prints the stored pixel values as a plain PGM on standard output.
// A Java exception or a fatal report is printed as its one line on standard error, exit 1;
// so is a FILE that is no regular file or larger than the heap, which is never read whole.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

/* ---------------------------------------------------------------------------
 * Program
 * ------------------------------------------------------------------------- */

static ClassDecl shortArray = rt_array_class("[S");

static std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> list = runtime_classes();
  list.insert(list.end(), {&shortArray, &java::lang::Integer::klass, &java::io::InputStream::klass,
                           &java::io::ByteArrayInputStream::klass, &com::sun::kjava::Bitmap::klass,
                           &java::awt::Image::klass, &ImageImpl::klass, &GifLoader::klass});
  return list;
}

// Decodes the picture and prints it as a plain PGM.
__attribute__((noinline)) static void print(const std::vector<uint8_t>& bytes, jint depth) {
  Ref volatile data = byte_array(bytes);
  Ref volatile in = jnew<java::io::ByteArrayInputStream>(static_cast<Ref>(data));
  Ref volatile image = GifLoader::load(in, depth);
  jint w = ImageImpl::getWidth(image, nullptr), h = ImageImpl::getHeight(image, nullptr);
  std::string out = "P2\n" + std::to_string(w) + " " + std::to_string(h) + "\n" +
                    std::to_string((1 << depth) - 1) + "\n";
  for (jint y = 0; y < h; y++) {
    for (jint x = 0; x < w; x++) {
      if (x) out += ' ';
      out += std::to_string(ImageImpl::getPixel(image, x, y));
    }
    out += '\n';
  }
  fwrite(out.data(), 1, out.size(), stdout);
}

// Reads FILE whole if it is a regular file the heap could hold, else prints one line that
// names it and says why. A directory, a device or a pipe is not opened (a pipe without a
// writer would wait for one), and no more than the heap is read from anything.
static bool read_picture(const char* name, std::vector<uint8_t>* bytes) {
  auto fail = [name](const std::string& why) {
    fprintf(stderr, "gifdecode: %s: %s\n", name, why.c_str());
    return false;
  };
  std::error_code ec;
  std::filesystem::file_status st = std::filesystem::status(name, ec);
  if (ec) return fail(ec.message());
  if (!std::filesystem::is_regular_file(st)) return fail("not a regular file");
  FILE* file = fopen(name, "rb");
  if (!file) return fail(strerror(errno));
  bytes->resize(RT_HEAP_LIMIT + 1);
  size_t got = fread(bytes->data(), 1, bytes->size(), file);
  bool broken = ferror(file);
  fclose(file);
  if (broken) return fail("read error");
  if (got > RT_HEAP_LIMIT)
    return fail("larger than the heap (" + std::to_string(RT_HEAP_LIMIT) + " bytes)");
  bytes->resize(got);
  return true;
}

// Decodes and prints; returns the exit status.
static int decode(const std::vector<uint8_t>& bytes, jint depth) {
  try {
    std::string e = thrown([&] { print(bytes, depth); });
    if (e == "no exception") return 0;
    fprintf(stderr, "%s\n", e.c_str());
  } catch (FatalReport& r) {  // no window: a fatal report ends the tool
    fprintf(stderr, "%s\n", r.text.c_str());
  }
  return 1;
}

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: gifdecode DEPTH FILE\n");
    return 2;
  }
  char* endp;
  long depth = strtol(argv[1], &endp, 10);
  if (*endp || depth < 1 || depth > 8) {
    fprintf(stderr, "gifdecode: DEPTH must be 1 to 8\n");
    return 2;
  }
  std::vector<uint8_t> bytes;
  if (!read_picture(argv[2], &bytes)) return 1;

  int status = 2;
  host_log.fatalThrows = true;
  run_initialised_program(classes(), [&] { status = decode(bytes, static_cast<jint>(depth)); });
  return status;
}
