// The serial, HTTP and storage-interface modules: start and stop, and every entry
// point's argument tests and results, table by table.
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
#define V1(fn) {#fn, 2, [](Ref a, Ref b, Ref) { fn(a, b); return intptr_t{0}; }, 0}
// h6 tests its receiver and its third argument; its second is an int.
#define H6() {"http_h6", 2, [](Ref a, Ref c, Ref) { return word(http_h6(a, 77, c)); }, 0}

const std::vector<Entry> kEntries = {
    V0(comm_c1), E1(comm_c2, -1), V0(comm_c3), V1(comm_c4), V0(http_h1), V0(http_h2),
    E0(http_h5, 0), H6(), V0(http_h7), E0(storage_s1, 0), E1(storage_s2, 0), E1(storage_s3, 0),
    V0(storage_s4), E0(storage_s5, 0), E1(storage_s6, 0), E1(storage_s7, kArg2),
    E2(storage_s8, kArg3), E2(storage_s9, kArg3), E1(storage_s10, 0), E1(storage_s11, kArg2),
    E2(storage_s12, kArg3), E2(storage_s13, kArg3), E0(storage_s14, 0), E1(storage_s15, 0),
    E0(storage_s16, 0), E0(storage_s17, 0), E1(storage_s18, 0), V1(storage_s19), E2(storage_s20, 0),
    V0(storage_s21), E1(storage_s22, 0), E1(storage_s23, 0), E1(storage_s24, 0), V0(storage_s25),
    V1(storage_s26),
};
// clang-format on

// Start reports success, stop does nothing. Every entry point tests each of its references
// in turn (error 1, result 0, even with a stale error pending), then with all present gives
// error 18 and the table's result.
TEST(StubModules, EveryEntryPointTestsItsReferencesThenReportsNotImplemented) {
  rt_take_error();
  EXPECT_EQ(Cldc10PalmHttpWin32_start(), 1);
  EXPECT_EQ(Cldc10PalmCommWin32_start(), 1);
  EXPECT_EQ(Cldc10StorageWin32_start(), 1);
  Cldc10StorageWin32_stop();
  Cldc10PalmCommWin32_stop();
  Cldc10PalmHttpWin32_stop();
  EXPECT_EQ(rt_take_error(), ERR_NONE);
  ASSERT_EQ(kEntries.size(), 4u + 5u + 26u);  // and h3, h4 below
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
    // h6's second argument is not tested: a zero there is no null.
    http_h6(x, 0, x);
    EXPECT_EQ(rt_take_error(), ERR_NOT_IMPLEMENTED);
  });
  // h3 and h4 report nothing and give 0.
  for (auto fn : {&http_h3, &http_h4}) {
    rt_set_error(ERR_SOCKET, 1);
    EXPECT_EQ(took(fn()), want(0));
  }
}

// Result widths: 64-bit where the tables say so, none where they say none.
static_assert(std::is_same_v<decltype(storage_s1(nullptr)), jlong> &&
              std::is_same_v<decltype(storage_s14(nullptr)), jlong> &&
              std::is_same_v<decltype(storage_s16(nullptr)), jlong> &&
              std::is_same_v<decltype(storage_s24(nullptr, nullptr)), jlong> &&
              std::is_same_v<decltype(storage_s5(nullptr)), jint> &&
              std::is_same_v<decltype(comm_c2(nullptr, nullptr)), jint> &&
              std::is_void_v<decltype(comm_c1(nullptr))> &&
              std::is_void_v<decltype(http_h7(nullptr))> &&
              std::is_void_v<decltype(storage_s26(nullptr, nullptr))>);

}  // namespace
