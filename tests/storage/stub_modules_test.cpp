// The serial, HTTP and storage-interface modules: start and stop, and the argument tests
// and results of a sample of their entry points, one of each shape (all share one refusal).
#include <type_traits>

#include "natives/Cldc10PalmCommWin32.h"
#include "natives/Cldc10PalmHttpWin32.h"
#include "natives/Cldc10StorageWin32.h"
#include "natives/modules.h"
#include "storage_program.h"

namespace {

// One entry point: how many references it tests, and a call of it with the tested
// references given (the untested ones filled in) that returns its result as a word.
struct Entry {
  const char* name;
  int tested;
  std::function<intptr_t(Ref, Ref, Ref)> call;
  intptr_t result;  // after error 18; kArg2 / kArg3 for "the second / third argument"
};
constexpr intptr_t kArg2 = -1000;
constexpr intptr_t kArg3 = -1001;

template <class R>
intptr_t word(R r) {
  if constexpr (std::is_pointer_v<R>)
    return reinterpret_cast<intptr_t>(r);
  else
    return static_cast<intptr_t>(r);
}

// clang-format off
#define E0(fn, res) {#fn, 1, [](Ref a, Ref, Ref) { return word(fn(a)); }, res}
#define E1(fn, res) {#fn, 2, [](Ref a, Ref b, Ref) { return word(fn(a, b)); }, res}
#define E2(fn, res) {#fn, 3, [](Ref a, Ref b, Ref c) { return word(fn(a, b, c)); }, res}
#define V0(fn) {#fn, 1, [](Ref a, Ref, Ref) { fn(a); return intptr_t{0}; }, 0}
// h6 tests its receiver and its third argument; its second is an int.
#define H6() {"http_h6", 2, [](Ref a, Ref c, Ref) { return word(http_h6(a, 77, c)); }, 0}

const std::vector<Entry> kEntries = {
    V0(comm_c1), E1(comm_c2, -1), E0(storage_s1, 0), E1(storage_s7, kArg2), E2(storage_s9, kArg3),
    H6(),
};
// clang-format on

// Start reports success, stop does nothing. An entry point tests each of its references
// in turn (error 1, result 0, even with a stale error pending), then with all present gives
// error 18 and the table's result; h3 reports nothing and gives 0.
TEST(StubModules, EntryPointsTestTheirReferencesThenReportNotImplemented) {
  rt_take_error();
  EXPECT_EQ(Cldc10StorageWin32_start(), 1);
  Cldc10StorageWin32_stop();
  EXPECT_EQ(rt_take_error(), ERR_NONE);
  run_storage_program([] {
    Ref volatile x = lit("receiver"), y = lit("second"), z = lit("third");
    for (const Entry& e : kEntries) {
      for (int nulled = 0; nulled < e.tested; nulled++) {
        Ref args[3] = {x, y, z};
        args[nulled] = nullptr;
        rt_set_error(ERR_SOCKET, 1);
        EXPECT_EQ(took(e.call(args[0], args[1], args[2])), want(intptr_t{0}, ERR_NULL_POINTER))
            << e.name << " without argument " << nulled + 1;
      }
      rt_set_error(ERR_SOCKET, 1);
      intptr_t result = e.result == kArg2   ? word(static_cast<Ref>(y))
                        : e.result == kArg3 ? word(static_cast<Ref>(z))
                                            : e.result;
      EXPECT_EQ(took(e.call(x, y, z)), want(result, ERR_NOT_IMPLEMENTED)) << e.name;
    }
  });
  rt_set_error(ERR_SOCKET, 1);
  EXPECT_EQ(took(http_h3()), want(0));
}

}  // namespace
