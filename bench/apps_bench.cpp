// Spindrift's frame loop headless: the real program's classes on the real host, its own
// rotator thread drawing as fast as the scheduler lets it; frames counted over a fixed
// time by the angle the rotator adds (two degrees a frame).
#include <benchmark/benchmark.h>

#include <chrono>

#include "apps/spindrift/ObjectRotator.h"
#include "apps/spindrift/Spindrift.h"
#include "apps/spindrift/class_list.h"
#include "com/sun/kjava/Spotlet.h"
#include "in_process.h"

using spindrift::ObjectRotator;
using spindrift::Spindrift;

static void BM_SpindriftFrameLoop(benchmark::State& state) {
  const auto window = std::chrono::milliseconds(state.range(0));
  for (auto _ : state) {
    double seconds = 0;
    jint frames = 0;
    run_in_process(
        {.classes = spindrift::classes, .body = [&] {
           Spindrift::main(nullptr);
           auto& rotator =
               ObjectRotator::f(Spindrift::f(com::sun::kjava::Spotlet::current()).rotator);
           pump(50);  // past the first collections and the first status line
           // Like the program's main thread once main has returned: it only yields.
           jint before = rotator.angleA;
           auto start = std::chrono::steady_clock::now();
           while (std::chrono::steady_clock::now() - start < window) pump(1);
           seconds =
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
           frames = (rotator.angleA - before) / 2;
         }});
    state.SetIterationTime(seconds / frames);
    state.counters["frames_per_second"] = frames / seconds;
    state.counters["frames"] = frames;
  }
}
BENCHMARK(BM_SpindriftFrameLoop)
    ->Arg(2000)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
