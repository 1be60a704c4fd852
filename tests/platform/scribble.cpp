// Scribble: a small program on the host's real program entry. It draws a frame and a
// title, then a dot wherever the pen goes and the code of every key (also on the console
// with "-console"), so that a PALM_SCRIPT (tap, move, key, press, shot, close) or a person's
// keys can drive it on Linux and, under wine, on Windows.
#include <cstdio>
#include <vector>

#include "host/host.h"
#include "host/natives.h"
#include "java/lang/Class.h"
#include "java/lang/String.h"
#include "java/lang/Thread.h"
#include "threads/coop.h"

static ClassDecl charArray = rt_array_class("[C");

static const ProgramImage& program() {
  using namespace java::lang;
  static std::vector<ClassDecl*> list = {&Object::klass, &Class::klass,    &String::klass,
                                         &charArray,     &Runnable::klass, &Thread::klass};
  return rt_build_program(list);
}

static int32_t next_word(Ref stream) {
  for (;;) {
    int32_t w = evt_read(stream);
    if (w != -1) return w;
    coop_sleep(5);
  }
}

static void scribble_main(Ref) {
  Ref volatile stream = rt_new_string("events");
  evt_open(stream);
  evt_set_options(1);
  gfx_draw_border(4, 4, 152, 152, DRAW_BLACK, 0x0302);
  gfx_fill_rectangle(10, 130, 40, 20, DRAW_GRAY, 4);
  int line = 0;
  for (;;) {
    int32_t kind = next_word(stream);
    if (kind == EVT_KEY) {
      char text[16];
      snprintf(text, sizeof text, "key %d", next_word(stream));
      gfx_fill_rectangle(60, 20 + 12 * (line % 8), 90, 11, DRAW_ERASE, 0);
      gfx_draw_string(rt_new_string(text), 60, 20 + 12 * (line % 8), DRAW_BLACK);
      con_write_line(text);
      line++;
    } else if (kind >= EVT_PEN_DOWN && kind <= EVT_PEN_MOVE) {
      int32_t x = next_word(stream), y = next_word(stream);
      gfx_fill_rectangle(x - 1, y - 1, 3, 3, kind == EVT_PEN_UP ? DRAW_INVERT : DRAW_BLACK, 0);
    }
  }
}

const HostApplication host_application = {"Scribble", 0, program, scribble_main};
