// Runtime costs: a thread switch beside the memcpy of the bytes it copies and beside the
// time-slice yield; a full collection by live objects; allocation; virtual dispatch.
#include <benchmark/benchmark.h>
#include <sched.h>

#include <cstring>
#include <vector>

#include "program.h"
#include "test_classes.h"

namespace {

// Runs the benchmark body as the head thread of a fresh program.
template <class F>
void in_program(F body) {
  run_program(core_classes(test::all()), [&] { body(); });
}

bool g_stop;
uintptr_t g_head_bytes = 256, g_partner_bytes = 256;

void partner() {
  while (!g_stop) coop_yield();
}

// One round trip: the head switches to the partner and the partner back.
void BM_SwitchRoundTrip(benchmark::State& state) {
  in_program([&] {
    coop_bench_keep_slice(1);
    g_stop = false;
    spawn(&partner);
    coop_yield();
    for (auto _ : state) coop_yield();
    ThreadRecord* p = coop_next(coop_first());
    g_head_bytes = coop_first()->savedSize;
    g_partner_bytes = p->savedSize;
    state.counters["bytes_per_round_trip"] = static_cast<double>(2 * (g_head_bytes + g_partner_bytes));
    g_stop = true;
    coop_yield();
    coop_bench_keep_slice(0);
  });
}
BENCHMARK(BM_SwitchRoundTrip);

// The same round trip as the scheduler really runs it, giving up the slice each time.
void BM_YieldRoundTrip(benchmark::State& state) {
  in_program([&] {
    g_stop = false;
    spawn(&partner);
    coop_yield();
    for (auto _ : state) coop_yield();
    g_stop = true;
    coop_yield();
  });
}
BENCHMARK(BM_YieldRoundTrip);

void BM_SchedYieldPair(benchmark::State& state) {
  for (auto _ : state) {
    sched_yield();
    sched_yield();
  }
}
BENCHMARK(BM_SchedYieldPair);

// What the measured round trip copies: each switch saves one thread's stack and restores
// the other's, so each stack is copied out once and back once.
void BM_MemcpyOfRoundTripBytes(benchmark::State& state) {
  std::vector<char> stack(4096), head(g_head_bytes), partner(g_partner_bytes);
  for (auto _ : state) {
    memcpy(head.data(), stack.data(), g_head_bytes);
    memcpy(stack.data(), partner.data(), g_partner_bytes);
    memcpy(partner.data(), stack.data(), g_partner_bytes);
    memcpy(stack.data(), head.data(), g_head_bytes);
    benchmark::DoNotOptimize(stack.data());
    benchmark::ClobberMemory();
  }
  state.counters["bytes"] = static_cast<double>(2 * (g_head_bytes + g_partner_bytes));
}
BENCHMARK(BM_MemcpyOfRoundTripBytes);

// A full collection of `n` live objects: chains hung from a static, plus four parked
// threads whose saved stacks hold references too.
bool g_parked_stop;
int g_parked;

void parked_thread() {
  Ref volatile locals[16];
  for (auto& l : locals) l = jnew<test::Node>();
  g_parked++;
  while (!g_parked_stop) coop_yield();
}

// The static holds the oldest node and each newer one hangs from the one before, so
// in list order (newest first) no object is reachable from one already traced: the
// word-by-word search has to look through every root word for each of them.
void build_live_heap(int n) {
  rt_init_class(test::Keeper::klass.index);
  Ref volatile tail = jnew<test::Node>();
  test::Keeper::S().kept = tail;
  for (int i = 1; i < n; i++) {
    Ref node = jnew<test::Node>();
    test::Node::f(tail).next = node;
    tail = node;
  }
}

template <void (*Collect)()>
void collection(benchmark::State& state) {
  in_program([&] {
    rt_set_heap_limit(int64_t{64} << 20);
    g_parked_stop = false;
    g_parked = 0;
    for (int i = 0; i < 4; i++) spawn(&parked_thread);
    yield_until([] { return g_parked == 4; });
    build_live_heap(static_cast<int>(state.range(0)) - 64);
    if (rt_mark_disagreements() != 0) state.SkipWithError("marks differ from the search's");
    for (auto _ : state) Collect();
    size_t objects = 0;
    for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject)) objects++;
    state.counters["objects"] = static_cast<double>(objects);
    g_parked_stop = true;
    yield_until([] { return thread_count() == 1; });
    test::Keeper::S().kept = nullptr;
    rt_set_heap_limit(RT_HEAP_LIMIT);
  });
}

void BM_Collect(benchmark::State& state) { collection<&rt_collect>(state); }
BENCHMARK(BM_Collect)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The word-by-word root search, for comparison: objects x root words.
void BM_CollectBySearch(benchmark::State& state) { collection<&rt_collect_by_search>(state); }
BENCHMARK(BM_CollectBySearch)->Arg(1000)->Arg(3000)->Unit(benchmark::kMicrosecond);

void BM_NewObject(benchmark::State& state) {
  in_program([&] {
    for (auto _ : state) benchmark::DoNotOptimize(jnew<test::Node>());
  });
}
BENCHMARK(BM_NewObject);

void BM_NewIntArray16(benchmark::State& state) {
  in_program([&] {
    int ints = rt_class_index_by_name("[I");
    for (auto _ : state) benchmark::DoNotOptimize(rt_new_array(ints, 4, 16));
  });
}
BENCHMARK(BM_NewIntArray16);

void BM_VirtualDispatch(benchmark::State& state) {
  in_program([&] {
    Ref volatile big = jnew<test::BigSquare>();  // method found two classes up
    for (auto _ : state) benchmark::DoNotOptimize(vcall(test::Shape::m_area, big));
  });
}
BENCHMARK(BM_VirtualDispatch);

void BM_InterfaceDispatch(benchmark::State& state) {
  in_program([&] {
    Ref volatile task = jnew<test::Task>();
    for (auto _ : state) icall(java::lang::Runnable::m_run, task);
    benchmark::DoNotOptimize(test::task_runs);
  });
}
BENCHMARK(BM_InterfaceDispatch);

}  // namespace

BENCHMARK_MAIN();
