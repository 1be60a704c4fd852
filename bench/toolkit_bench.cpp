// One pen tap on a button in a frame of 20 components, from the spotlet's callbacks (the
// posts to the dispatch thread) to the end of the repaints they cause; headless.
#include <benchmark/benchmark.h>

#include "class_lists.h"
#include "com/sun/kjava/Spotlet.h"
#include "com/sun/kjava/class_list.h"
#include "de/kawt/impl/kjava/ToolkitImpl.h"
#include "in_process.h"
#include "java/awt/Button.h"
#include "java/awt/Frame.h"
#include "java/awt/class_list.h"
#include "java/lang/String.h"
#include "threads/coop.h"

using namespace java::awt;
using com::sun::kjava::Spotlet;

static std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> list = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) list.push_back(c);
  for (ClassDecl* c : toolkit_classes()) list.push_back(c);
  return list;
}

// Twenty buttons in a 4 by 5 grid; the tap goes to the eighth, drawn pressed and released.
// Argument 1 keeps the time slice at thread switches, timing the toolkit without the
// operating system's scheduler; 0 gives it up as the program does.
static void BM_ButtonTap(benchmark::State& state) {
  coop_bench_keep_slice(static_cast<int>(state.range(0)));
  run_in_process(
      {.classes = classes, .body = [&] {
         Ref volatile frame = jnew<Frame>(lit("Bench"));
         Container::setLayout(frame, nullptr);
         Component::setBounds(frame, 0, 0, 160, 160);
         for (jint i = 0; i < 20; i++) {
           Ref volatile b = jnew<Button>(jconcat({lit("B"), java::lang::String::valueOf(i)}));
           Component::setBounds(b, 2 + 38 * (i % 4), 20 + 18 * (i / 4), 36, 14);
           Container::add(frame, b);
         }
         vcall(Component::m_setVisible, frame, 1);
         pump(20);
         Ref spotlet = de::kawt::impl::kjava::ToolkitImpl::S().spotlet;
         const jint x = 2 + 38 * 3 + 10, y = 20 + 18 + 5;
         for (auto _ : state) {
           vcall(Spotlet::m_penDown, spotlet, x, y);
           vcall(Spotlet::m_penUp, spotlet, x, y);
         }
       }});
  coop_bench_keep_slice(0);
}
BENCHMARK(BM_ButtonTap)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
