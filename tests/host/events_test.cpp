// Event queue: ownership, growth points, options and reading.
#include <gtest/gtest.h>

#include "in_process.h"

namespace {

std::vector<int32_t> g_v;

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

// Growth point: seven key records fill 14 of 16 words; the eighth, which would fill the
// buffer, grows it.
TEST(Events, TheBufferGrowsWhereTheNextRecordWouldNotFit) {
  run_body([] {
    Ref s = jstr("s");
    evt_open(s);
    for (int i = 0; i < 7; i++) evt_enqueue(WM_CHAR, 'a', 0);
    g_v = {host.count, host.capacity};
    evt_enqueue(WM_CHAR, 'b', 0);
    g_v.push_back(host.capacity);
  });
  EXPECT_EQ(g_v, (std::vector<int32_t>{14, 16, 32}));
}

TEST(Events, OnlyOneLiveStreamOwnsTheQueueAndUnownedInputIsDropped) {
  run_body([] {
    Ref a = jstr("a");
    Ref b = jstr("b");
    // input without an owner is dropped and reports success
    g_v = {evt_enqueue(WM_LBUTTONDOWN, MK_LBUTTON, at(10, 10)), host.count};
    for (Ref r : {static_cast<Ref>(nullptr), a, b}) g_v.push_back(evt_open(r));
    evt_enqueue(WM_CHAR, 'x', 0);
    g_v.push_back(evt_read(b));  // not the owner: -1, the words stay
    g_v.push_back(host.count);
    g_v.push_back(evt_close(b));
    g_v.push_back(evt_close(a));
    g_v.push_back(evt_read(a));    // closed: -1
    evt_enqueue(WM_CHAR, 'y', 0);  // unowned: dropped
    g_v.push_back(evt_open(b));
    g_v.push_back(evt_read(b));  // queued words go to the next owner
    g_v.push_back(evt_read(b));
    g_v.push_back(evt_read(b));
    // The collector calls the release hook for every object it frees; an owner freed that
    // way must not keep the queue (its address could be reused by a new object).
    host_release_resources(a, "java/lang/String");
    g_v.push_back(host.eventOwner == b);
    host_release_resources(b, "java/lang/String");
    g_v.push_back(host.eventOwner == nullptr);
    g_v.push_back(evt_open(a));
  });
  EXPECT_EQ(g_v, (std::vector<int32_t>{1, 0, 0, 1, 0, -1, 2, 0, 1, -1, 1, 4, 'x', -1, 1, 1, 1}));
}

// Pen coordinates are signed halves.
TEST(Events, SetOptionsBetweenKindAndOperandsDropsTheRestOfTheRecord) {
  run_body([] {
    Ref s = jstr("s");
    evt_open(s);
    evt_enqueue(WM_LBUTTONDOWN, MK_LBUTTON, at(20, 40));
    g_v = {evt_read(s)};
    evt_set_options(1);
    g_v.push_back(host.systemKeys);
    evt_enqueue(WM_CHAR, 'z', 0);
    g_v.push_back(evt_read(s));
    g_v.push_back(evt_read(s));
    evt_enqueue(WM_LBUTTONUP, 0, at(-3, 65535));  // -3 / 2 and -1 / 2 truncate toward zero
    for (int i = 0; i < 3; i++) g_v.push_back(evt_read(s));
  });
  EXPECT_EQ(g_v, (std::vector<int32_t>{1, 1, 4, 'z', 2, -1, 0}));
}

}  // namespace
