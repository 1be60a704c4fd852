// The host's drawing cost per frame on the headless display: a full-screen clear, 130
// diagonal lines and one line of text, with automatic refresh off.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "host/host.h"
#include "host/natives.h"
#include "java/lang/Class.h"
#include "java/lang/String.h"
#include "java/lang/Thread.h"

static ClassDecl charArray = rt_array_class("[C");

static const ProgramImage& program() {
  using namespace java::lang;
  static std::vector<ClassDecl*> list = {&Object::klass, &Class::klass,    &String::klass,
                                         &charArray,     &Runnable::klass, &Thread::klass};
  return rt_build_program(list);
}

static void BM_Frame(benchmark::State& state) {
  Ref volatile text = rt_new_string("Frame 1234 ms 56 fps");
  gfx_draw_string(rt_new_string(""), 0, -100, DRAW_BLACK);  // automatic refresh off
  int k = 0;
  for (auto _ : state) {
    gfx_fill_rectangle(0, 0, 160, 160, DRAW_ERASE, 0);
    for (int i = 0; i < 130; i++) {
      int a = (i * 37 + k) % 160, b = (i * 91 + 3 * k) % 160;
      gfx_draw_line(a, b, 159 - b, (a + 80) % 160, DRAW_BLACK);
    }
    gfx_draw_string(text, 2, 2, DRAW_BLACK);
    k++;
  }
  gfx_draw_string(rt_new_string(""), 0, -200, DRAW_BLACK);
}
BENCHMARK(BM_Frame)->Unit(benchmark::kMicrosecond);

// The frame's parts alone.
static void BM_Clear(benchmark::State& state) {
  gfx_draw_string(rt_new_string(""), 0, -100, DRAW_BLACK);
  for (auto _ : state) gfx_fill_rectangle(0, 0, 160, 160, DRAW_ERASE, 0);
  gfx_draw_string(rt_new_string(""), 0, -200, DRAW_BLACK);
}
BENCHMARK(BM_Clear)->Unit(benchmark::kMicrosecond);

static void BM_DiagonalLine(benchmark::State& state) {
  gfx_draw_string(rt_new_string(""), 0, -100, DRAW_BLACK);
  for (auto _ : state) gfx_draw_line(0, 0, 159, 80, DRAW_BLACK);
  gfx_draw_string(rt_new_string(""), 0, -200, DRAW_BLACK);
}
BENCHMARK(BM_DiagonalLine)->Unit(benchmark::kMicrosecond);

static void bench_main(Ref) {
  benchmark::RunSpecifiedBenchmarks();
  sys_exit(nullptr, 0);
}

int main(int argc, char** argv) {
#ifndef _WIN32
  setenv("PALM_HEADLESS", "1", 1);
#endif
  benchmark::Initialize(&argc, argv);
  HostApplication app = {"HostBench", 0, program, bench_main};
  return host_main(app, nullptr, nullptr, "", SW_SHOWDEFAULT);
}
