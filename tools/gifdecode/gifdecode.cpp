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
#include "java/lang/Throwable.h"
#include "threads/coop.h"

using de::kawt::impl::kjava::GifLoader;
using de::kawt::impl::kjava::ImageImpl;

/* ---------------------------------------------------------------------------
 * Host hooks: no window, no natives; a fatal report ends the tool.
 * ------------------------------------------------------------------------- */

int natives_init() { return 1; }
void natives_shutdown() {}
void host_release_resources(Ref, const char*) {}
void host_fatal_display(const char* text) {
  fprintf(stderr, "%s\n", text);
  fflush(stdout);
  coop_shutdown();
  rt_shutdown();
  std::exit(1);
}

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

static std::string java_text(Ref s) {
  std::string out;
  if (!s) return out;
  const StringFields* f = rt_string(s);
  const auto* chars = static_cast<const jchar*>(rt_array(f->value)->storage);
  for (jint i = 0; i < f->count; i++) out += static_cast<char>(chars[f->offset + i]);
  return out;
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
__attribute__((noinline)) static int decode(const std::vector<uint8_t>& bytes, jint depth) {
  try {
    Ref volatile data = new_byte_array(static_cast<jint>(bytes.size()));
    if (!bytes.empty()) memcpy(rt_array(data)->storage, bytes.data(), bytes.size());
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
    return 0;
  } catch (JavaThrow& e) {
    Ref ex = e.object();
    Ref message = vcall(java::lang::Throwable::m_getMessage, ex);
    std::string line = rt_record(rt_class_of(ex))->name;
    if (message) line += ": " + java_text(message);
    fprintf(stderr, "%s\n", line.c_str());
    return 1;
  }
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

  const ProgramImage& image = rt_build_program(classes());
  if (rt_init(image) != 1) return 2;
  coop_init();
  Ref head = rt_new_object(image.threadClass);
  coop_current()->arg = head;
  rt_init_all_classes();
  int status = decode(bytes, static_cast<jint>(depth));
  coop_shutdown();
  rt_shutdown();
  return status;
}
