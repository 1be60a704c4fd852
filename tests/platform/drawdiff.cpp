// Differential drawing program: a fixed pseudo-random sequence of drawing natives (no
// text) through the real host, the screen bitmap saved as PNG. Built for Linux (our
// platform layer) and for Windows (the real calls, run under wine), the two files must be
// identical.
//
//   drawdiff OUT.png [-color]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/natives.h"
#include "java/lang/Class.h"
#include "java/lang/String.h"
#include "java/lang/Thread.h"

static ClassDecl charArray = rt_array_class("[C");
static ClassDecl shortArray = rt_array_class("[S");

static const ProgramImage& program() {
  using namespace java::lang;
  static std::vector<ClassDecl*> list = {&Object::klass, &Class::klass, &String::klass,
                                         &charArray,     &shortArray,   &Runnable::klass,
                                         &Thread::klass};
  return rt_build_program(list);
}

static const char* g_out;
static int g_status = 1;
static uint32_t g_seed = 12345;

static int rnd(int n) {  // a fixed linear congruential sequence, the same on every target
  g_seed = g_seed * 1103515245u + 12345u;
  return static_cast<int>((g_seed >> 8) % static_cast<uint32_t>(n));
}

static jint mode() {
  static const jint modes[] = {1, 2, 3, 4, 5, 0, 6, 7};
  jint m = modes[rnd(8)];
  if (m == 5)
    m |= static_cast<jint>((static_cast<uint32_t>(rnd(256)) << 24) | (rnd(256) << 16) |
                           (rnd(256) << 8));
  return m;
}

static Ref bitmap(bool compressed) {
  int width = 1 + rnd(40), height = 1 + rnd(20), bytesPerRow = ((width + 15) / 16) * 2;
  std::vector<uint16_t> w(8, 0);
  w[0] = static_cast<uint16_t>(width), w[1] = static_cast<uint16_t>(height);
  w[2] = static_cast<uint16_t>(bytesPerRow), w[3] = compressed ? 0x8000 : 0;
  int data = compressed ? 1 + rnd(60) : (bytesPerRow * height + 1) / 2;
  if (compressed) w.push_back(static_cast<uint16_t>(2 * data));
  for (int i = 0; i < data; i++) w.push_back(static_cast<uint16_t>(rnd(65536)));
  Ref a = rt_new_array(rt_class_index_by_name("[S"), 2, static_cast<jint>(w.size()));
  for (size_t i = 0; i < w.size(); i++) static_cast<uint16_t*>(rt_array(a)->storage)[i] = w[i];
  return a;
}

// DRAWDIFF_ONLY=N keeps only the calls of kind N (for finding a difference).
static void draw_sequence() {
  const char* only = getenv("DRAWDIFF_ONLY");
  int keep = only ? atoi(only) : -1;
  for (int i = 0; i < 400; i++) {
    int x = rnd(200) - 20, y = rnd(200) - 20, w = rnd(120) - 30, h = rnd(120) - 30;
    int kind = rnd(9);
    if (keep >= 0 && kind != keep && kind != 4) continue;
    switch (kind) {
      case 0:
      case 1:
        gfx_draw_line(x, y, rnd(200) - 20, rnd(200) - 20, mode());
        break;
      case 2:
        gfx_fill_rectangle(x, y, w, h, mode(), rnd(3) ? 0 : rnd(12));
        break;
      case 3:
        gfx_draw_border(x, y, w, h, mode(), rnd(4) | (rnd(2) ? rnd(10) << 8 : 0));
        break;
      case 4:
        if (rnd(3))
          gfx_set_draw_region(x, y, w, h);
        else
          gfx_reset_draw_region();
        break;
      case 5:
        gfx_copy_region(x, y, w, h, rnd(160), rnd(160), rnd(7));
        break;
      case 6:
        gfx_copy_offscreen_region(x, y, w, h, rnd(160), rnd(160), rnd(7), rnd(2), rnd(2));
        break;
      case 7:
        gfx_draw_bitmap(x, y, bitmap(rnd(2) != 0));
        break;
      case 8:
        gfx_draw_line(x, y, x + rnd(5) - 2, y + rnd(5) - 2, mode());
        break;
    }
  }
  gfx_reset_draw_region();
}

static void drawdiff_main(Ref) {
  draw_sequence();
  std::vector<uint32_t> pixels(HOST_SCREEN_SIZE * HOST_SCREEN_SIZE);
  if (host_read_screen(pixels.data()) &&
      png_write(g_out, pixels.data(), HOST_SCREEN_SIZE, HOST_SCREEN_SIZE))
    g_status = 0;
  sys_exit(nullptr, 0);
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: drawdiff OUT.png [-color]\n");
    return 2;
  }
  g_out = argv[1];
  std::string line = argc > 2 ? argv[2] : "";
  HostApplication app = {"DrawDiff", 0, program, drawdiff_main};
  host_main(app, nullptr, nullptr, line.c_str(), SW_SHOWDEFAULT);
  if (g_status) fprintf(stderr, "drawdiff: could not write %s\n", g_out);
  return g_status;
}
