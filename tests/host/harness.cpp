// Test harness: class table, application description, and the run.
#include "harness.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "class_code.h"
#include "class_lists.h"
#include "java/lang/String.h"
#include "java/lang/Thread.h"

static ClassDecl shortArray = rt_array_class("[S");
static ClassDecl floatArray = rt_array_class("[F");

static const ProgramImage& program() {
  static std::vector<ClassDecl*> list = [] {
    std::vector<ClassDecl*> l = runtime_classes();
    l.insert(l.end(), {&shortArray, &floatArray});
    return l;
  }();
  return rt_build_program(list);
}

static const HostRun* g_run;
static int g_thread_failure;

static void* refuse(size_t) { return nullptr; }
static ThreadRecord* counted_create(void (*entry)(void*), void* arg) {
  if (--g_thread_failure == 0) return nullptr;
  return coop_create(entry, arg);
}

static void test_main(Ref) {
  if (g_run->body) g_run->body();
  if (!g_run->keepRunning) sys_exit(nullptr, 0);
}

HostResult run_host(const HostRun& run) {
  platform_reset();
  for (auto [fault, nth] : run.faults) platform_fail(fault, nth);
  HostResult result;
  platform_capture_console(&result.console);
  host.autoRefresh = 1;
  host.eventOwner = nullptr;
  host.drawRegion = nullptr;
  host.epoch = 0;
  host.alloc = run.failEventBuffer ? refuse : malloc;
  g_thread_failure = run.failThreadCreation;
  host.createThread = run.failThreadCreation ? counted_create : coop_create;
  std::string scriptPath;
  if (!run.scriptPath.empty()) {
    setenv("PALM_SCRIPT", run.scriptPath.c_str(), 1);
  } else if (!run.script.empty()) {
    scriptPath = "/tmp/palm_host_script_" + std::to_string(getpid()) + ".txt";
    std::ofstream(scriptPath) << run.script;
    setenv("PALM_SCRIPT", scriptPath.c_str(), 1);
  } else {
    unsetenv("PALM_SCRIPT");
  }
  g_run = &run;
  HostApplication app = {"Test", run.colourByDefault, program, test_main};
  result.status = host_main(app, nullptr, nullptr, run.commandLine.c_str(), SW_SHOWDEFAULT);
  unsetenv("PALM_SCRIPT");
  platform_capture_console(nullptr);
  result.consoleTitle = platform_console_title();
  result.boxes = platform_message_boxes();
  return result;
}

HostResult run_body(std::function<void()> body) {
  HostRun run;
  run.body = std::move(body);
  return run_host(run);
}

void pump(int rounds) {
  for (int i = 0; i < rounds; i++) coop_yield();
}

std::vector<uint32_t> screen() {
  std::vector<uint32_t> px(HOST_SCREEN_SIZE * HOST_SCREEN_SIZE);
  host_read_screen(px.data());
  return px;
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

uint32_t device_pixel(const std::vector<uint32_t>& s, int x, int y) {
  uint32_t a = s[(2 * y) * 320 + 2 * x], b = s[(2 * y) * 320 + 2 * x + 1];
  uint32_t c = s[(2 * y + 1) * 320 + 2 * x], d = s[(2 * y + 1) * 320 + 2 * x + 1];
  return a == b && a == c && a == d ? a : 0xFF000000u;
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

int class_index(const char* name) { return rt_class_index_by_name(name); }

Ref new_short_array(const std::vector<uint16_t>& words) {
  Ref a = rt_new_array(class_index("[S"), 2, static_cast<jint>(words.size()));
  for (size_t i = 0; i < words.size(); i++)
    static_cast<uint16_t*>(rt_array(a)->storage)[i] = words[i];
  return a;
}

Ref jstr(const char* text) { return rt_new_string(text); }

Ref jstr16(const std::vector<jchar>& chars) {
  Ref volatile arr = new_char_array(static_cast<jint>(chars.size()));
  for (size_t i = 0; i < chars.size(); i++) elements<jchar>(arr)[i] = chars[i];
  Ref s = rt_new_object(rt_image.stringClass);
  java::lang::String::init(s, arr);
  return s;
}
