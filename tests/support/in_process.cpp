// A palm program run inside the test through the host's real entry on the headless display.
#include "in_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "class_lists.h"
#include "scratch.h"

static ClassDecl shortArray = rt_array_class("[S");
static ClassDecl floatArray = rt_array_class("[F");

static std::vector<ClassDecl*> default_classes() {
  std::vector<ClassDecl*> l = runtime_classes();
  l.insert(l.end(), {&shortArray, &floatArray});
  return l;
}

static const InProcess* g_run;
static int g_thread_failure;

static const ProgramImage& program() {
  return rt_build_program(g_run->classes ? g_run->classes() : default_classes());
}

static void* refuse(size_t) { return nullptr; }
static ThreadRecord* counted_create(void (*entry)(void*), void* arg) {
  if (--g_thread_failure == 0) return nullptr;
  return coop_create(entry, arg);
}

static void test_main(Ref) {
  if (g_run->body) g_run->body();
  if (!g_run->keepRunning) sys_exit(nullptr, 0);
}

InProcessResult run_in_process(const InProcess& run) {
  setenv("PALM_HEADLESS", "1", 1);
  platform_reset();
  for (auto [fault, nth] : run.faults) platform_fail(fault, nth);
  platform_set_clock(run.clock);
  InProcessResult result;
  platform_capture_console(&result.console);
  host.autoRefresh = 1;
  host.eventOwner = nullptr;
  host.drawRegion = nullptr;
  host.epoch = 0;
  host.idleWait = run.idleWait;
  host.alloc = run.failEventBuffer ? refuse : malloc;
  g_thread_failure = run.failThreadCreation;
  host.createThread = run.failThreadCreation ? counted_create : coop_create;
  if (!run.scriptPath.empty()) {
    setenv("PALM_SCRIPT", run.scriptPath.c_str(), 1);
  } else if (!run.script.empty()) {
    std::string path = scratch_dir("script") + "/script.txt";
    std::ofstream(path) << run.script;
    setenv("PALM_SCRIPT", path.c_str(), 1);
  } else {
    unsetenv("PALM_SCRIPT");
  }
  g_run = &run;
  HostApplication app = {"Test", run.colourByDefault, program, test_main};
  result.status = host_main(app, nullptr, nullptr, run.commandLine.c_str(), SW_SHOWDEFAULT);
  unsetenv("PALM_SCRIPT");
  platform_set_clock(-1);
  platform_capture_console(nullptr);
  result.consoleTitle = platform_console_title();
  result.boxes = platform_message_boxes();
  return result;
}

InProcessResult run_body(std::function<void()> body) {
  return run_in_process({.body = std::move(body)});
}

void run_cleanly(std::vector<ClassDecl*> (*classes)(), std::function<void()> body,
                 std::string commandLine) {
  InProcessResult r = run_in_process(
      {.classes = classes, .body = std::move(body), .commandLine = std::move(commandLine)});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.boxes, std::vector<std::string>{});
}

/* ---------------------------------------------------------------------------
 * Input
 * ------------------------------------------------------------------------- */

void queue_pen(unsigned msg, int x, int y) {
  evt_enqueue(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

void queue_tap(int x, int y) {
  queue_pen(WM_LBUTTONDOWN, x, y);
  queue_pen(WM_LBUTTONUP, x, y);
}

void queue_char(int code) { evt_enqueue(WM_CHAR, static_cast<WPARAM>(code), 1); }

void tap_device(int x, int y) {
  queue_tap(2 * x, 2 * y);
  pump(10);
}

void palm_key(jint code) {
  host.queue[host.count++] = 4;
  host.queue[host.count++] = code;
  pump(10);
}

/* ---------------------------------------------------------------------------
 * Screen
 * ------------------------------------------------------------------------- */

std::vector<uint32_t> screen() {
  std::vector<uint32_t> px(HOST_SCREEN_SIZE * HOST_SCREEN_SIZE);
  host_read_screen(px.data());
  return px;
}

Screen screen_now() {
  std::vector<uint32_t> window(HOST_SCREEN_SIZE * HOST_SCREEN_SIZE);
  return host_read_screen(window.data()) ? device_screen(window) : Screen{};
}

std::vector<uint32_t> window_pixels() {
  HDC dc = GetDC(host.window);
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP copy = CreateCompatibleBitmap(dc, HOST_SCREEN_SIZE, HOST_SCREEN_SIZE);
  HGDIOBJ old = SelectObject(mem, copy);
  BitBlt(mem, 0, 0, HOST_SCREEN_SIZE, HOST_SCREEN_SIZE, dc, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(host.window, dc);
  std::vector<uint32_t> px(HOST_SCREEN_SIZE * HOST_SCREEN_SIZE);
  BITMAPINFO bmi{};
  bmi.bmiHeader = {
      sizeof(BITMAPINFOHEADER), HOST_SCREEN_SIZE, -HOST_SCREEN_SIZE, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(nullptr, copy, 0, HOST_SCREEN_SIZE, px.data(), &bmi, DIB_RGB_COLORS);
  DeleteObject(copy);
  return px;
}

int count_device(const std::vector<uint32_t>& s, uint32_t colour) {
  int n = 0;
  for (int y = 0; y < 160; y++)
    for (int x = 0; x < 160; x++) n += device_pixel(s, x, y) == colour;
  return n;
}

void clear_screen() {
  int saved = host.autoRefresh;
  host.autoRefresh = 0;
  gfx_reset_draw_region();
  gfx_fill_rectangle(0, 0, 160, 160, DRAW_ERASE, 0);
  host.autoRefresh = saved;
}

/* ---------------------------------------------------------------------------
 * Values
 * ------------------------------------------------------------------------- */

Ref new_short_array(const std::vector<uint16_t>& words) {
  Ref a = rt_new_array(rt_class_index_by_name("[S"), 2, static_cast<jint>(words.size()));
  for (size_t i = 0; i < words.size(); i++)
    static_cast<uint16_t*>(rt_array(a)->storage)[i] = words[i];
  return a;
}

Ref jstr(const char* text) { return rt_new_string(text); }
