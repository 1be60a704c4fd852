// Orbitale headless: the cost of opening an element's information dialog, from the pen
// coming up on a selected cell to the end of the dialog's painting. The real program's
// classes run on the real host; the pen comes through the host's event queue.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

#include "apps/orbitale/InfoDialog.h"
#include "apps/orbitale/Orbitale.h"
#include "apps/orbitale/class_list.h"
#include "host/host.h"
#include "in_process.h"
#include "java/awt/KawtThread.h"
#include "java/awt/Toolkit.h"
#include "java/awt/Window.h"
#include "java/util/Vector.h"

using java::awt::KawtThread;
using java::awt::Toolkit;

namespace {

// Hydrogen's cell, in window pixels; the dialog's OK button.
constexpr int kCellX = 2 * 14, kCellY = 2 * (16 + 18), kOkX = 2 * 80, kOkY = 2 * 147;

// All threads of the program share the one OS thread: its CPU time is the program's work,
// without the time slices a busy machine gives to other processes.
double cpu_seconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Everything delivered and painted: the dispatch thread idle and no damage left on top.
bool settled() {
  Ref top = Toolkit::getTopWindow();
  return top && KawtThread::f(Toolkit::dispatchThread()).command == KawtThread::IDLE &&
         java::util::Vector::size(java::awt::Window::f(top).damage) == 0;
}

bool info_on_top() {
  Ref top = Toolkit::getTopWindow();
  return top && instanceof <orbitale::InfoDialog>(top);
}

void pump_until(bool (*done)()) {
  for (int i = 0; i < 100000 && !done(); i++) pump(1);
}

void BM_OrbitaleOpenInformation(benchmark::State& state) {
  double cpu = 0;
  run_in_process({.classes = orbitale::classes, .body = [&] {
                    orbitale::Orbitale::main(nullptr);
                    pump(200);  // the first screen painted
                    for (auto _ : state) {
                      queue_pen(WM_LBUTTONDOWN, kCellX, kCellY);
                      pump(50);
                      double cpuStart = cpu_seconds();
                      auto start = std::chrono::steady_clock::now();
                      queue_pen(WM_LBUTTONUP, kCellX, kCellY);
                      pump_until([] { return info_on_top() && settled(); });
                      auto end = std::chrono::steady_clock::now();
                      cpu += cpu_seconds() - cpuStart;
                      state.SetIterationTime(std::chrono::duration<double>(end - start).count());
                      if (!info_on_top()) state.SkipWithError("no information dialog");
                      queue_pen(WM_LBUTTONDOWN, kOkX, kOkY);
                      queue_pen(WM_LBUTTONUP, kOkX, kOkY);
                      pump_until([] { return !info_on_top() && settled(); });
                    }
                  }});
  state.counters["cpu_us"] =
      benchmark::Counter(cpu * 1e6 / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_OrbitaleOpenInformation)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
