// A palm program run inside the test: a class list of our choosing and a body standing in
// for the application's main, through the host's real entry on the headless display.
#include "in_process.h"

#include <cstdlib>

#include "host/host.h"
#include "host/natives.h"
#include "platform/testing.h"

static const InProcess* g_run;

static const ProgramImage& program() { return rt_build_program(g_run->classes()); }

static void test_main(Ref) {
  g_run->body();
  sys_exit(nullptr, 0);
}

InProcessResult run_in_process(const InProcess& run) {
  setenv("PALM_HEADLESS", "1", 1);
  unsetenv("PALM_SCRIPT");
  platform_reset();
  InProcessResult result;
  platform_capture_console(&result.console);
  host.autoRefresh = 1;
  host.eventOwner = nullptr;
  host.drawRegion = nullptr;
  host.epoch = 0;
  host.alloc = malloc;
  host.createThread = coop_create;
  g_run = &run;
  HostApplication app = {"Test", 0, program, test_main};
  result.status = host_main(app, nullptr, nullptr, run.commandLine.c_str(), SW_SHOWDEFAULT);
  platform_capture_console(nullptr);
  result.boxes = platform_message_boxes();
  return result;
}

void pump(int rounds) {
  for (int i = 0; i < rounds; i++) coop_yield();
}

void queue_pen(unsigned msg, int x, int y) {
  evt_enqueue(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}
void queue_char(int code) { evt_enqueue(WM_CHAR, static_cast<WPARAM>(code), 1); }
void queue_vkey(int virtualKey) { evt_enqueue(WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1); }

Screen screen_now() {
  std::vector<uint32_t> window(HOST_SCREEN_SIZE * HOST_SCREEN_SIZE);
  Screen s;
  if (!host_read_screen(window.data())) return s;
  s.px.resize(160 * 160);
  for (int y = 0; y < 160; y++)
    for (int x = 0; x < 160; x++) {
      auto w = [&](int dx, int dy) {
        return window[static_cast<size_t>(2 * y + dy) * 320 + 2 * x + dx];
      };
      uint32_t a = w(0, 0);
      s.px[static_cast<size_t>(y) * 160 + x] =
          a == w(1, 0) && a == w(0, 1) && a == w(1, 1) ? a : 0xFF000000u;
    }
  s.ok = true;
  return s;
}
