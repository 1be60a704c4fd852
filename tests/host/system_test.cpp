// Properties, clock, memory figures, fatal display and unimplemented natives.
#include <gtest/gtest.h>

#include "in_process.h"

namespace {

std::vector<std::string> g_t;
std::vector<int64_t> g_n;

std::string prop(const char* key) {
  const char* v = sys_get_property(key ? jstr(key) : nullptr);
  return v ? std::string("=") + v : "null";
}

// The table's rows in order; a prefix of a key matches its row, a longer key does not; a
// key without a character array gives null. The colour depth is null without colour, 8 in
// colour.
TEST(Properties, TableRowsPrefixesAndBrokenKeys) {
  run_body([] {
    Ref broken = jstr("microedition.platform");
    rt_string(broken)->value = nullptr;
    g_t = {prop("microedition.configuration"),
           prop("microedition.platform"),
           prop("microedition.protocolpath"),
           prop("microedition.encodingClass"),
           prop("microedition.i18npath"),
           prop("microedition.caseConverter"),
           prop("kawt.colordepth"),
           prop("de.kawt.classbase"),
           prop("no.such.key"),
           prop(nullptr),
           prop("microedition.pl"),
           prop("micro"),
           prop("microedition.platformX"),
           prop("microedition.configurationX"),
           sys_get_property(broken) ? "text" : "null"};
  });
  EXPECT_EQ(g_t, (std::vector<std::string>{"=cldc", "=j2me", "null", "=ISO8859_1", "null", "null",
                                           "null", "=de.kawt.impl.kjava", "=", "null", "=j2me",
                                           "=cldc", "=", "=", "null"}));
  run_in_process({.body = [] { g_t = {prop("kawt.colordepth")}; }, .colourByDefault = 1});
  EXPECT_EQ(g_t, std::vector<std::string>{"=8"});
}

// One second after the epoch is a thousand; free and total memory come from the heap;
// an unimplemented native raises null pointer or not implemented.
TEST(Natives, ClockMemoryAndUnimplementedOnes) {
  run_body([] {
    platform_set_clock(1000);
    g_n = {sys_current_time_millis()};
    platform_set_clock(-1);
    g_n.insert(g_n.end(), {sys_total_memory(nullptr), sys_free_memory(nullptr) + rt_heap_in_use()});
    Ref o = jstr("o");
    g_n.insert(g_n.end(), {sys_not_implemented(nullptr), rt_take_error(), sys_not_implemented(o),
                           rt_take_error()});
  });
  EXPECT_EQ(g_n, (std::vector<int64_t>{1000, 131072, 131072, 0, 1, 0, 18}));
}

TEST(Fatal, FatalReportGoesToTheConsoleAndAMessageBoxAndOtherThreadsGoOn) {
  InProcessResult r = run_in_process({.body = [] { rt_fatal("Bad class index."); },
                                      .keepRunning = true,
                                      .commandLine = "-console",
                                      .script = "wait 20\nclose\n"});
  EXPECT_EQ(r.console, "Test console started ...\nFatal error: Bad class index.\n");
  ASSERT_EQ(r.boxes.size(), 1u);
  EXPECT_EQ(r.boxes[0], "Fatal error: Fatal error: Bad class index.");
  EXPECT_EQ(r.status, 0);
}

}  // namespace
