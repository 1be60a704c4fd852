// The toolkit's spine in process: layouts, damage, window stack, pen and key routing, focus,
// modal dialogs and failing listeners, through the real host and the dispatch thread.
#include <gtest/gtest.h>

#include <algorithm>

#include "com/sun/kjava/Graphics.h"
#include "host/host.h"
#include "java/awt/Container.h"
#include "java/awt/Dialog.h"
#include "java/awt/Dimension.h"
#include "java/awt/EventQueue.h"
#include "java/awt/FlowLayout.h"
#include "java/awt/Frame.h"
#include "java/awt/Panel.h"
#include "java/awt/Rectangle.h"
#include "java/awt/Toolkit.h"
#include "java/awt/Window.h"
#include "java/awt/event/KeyEvent.h"
#include "java/lang/RuntimeException.h"
#include "java/util/Vector.h"
#include "threads/coop.h"
#include "toolkit_support.h"

using namespace java::awt;
using java::util::Vector;
using Log = std::vector<std::string>;

namespace {

void run(std::function<void()> body) {
  g_log.clear();
  g_onPress = nullptr;
  run_cleanly(toolkit_test_classes, std::move(body));
}

// Rows are left-aligned with 2-pixel gaps, no gap between rows, and a new row starts at
// x = 0 rather than at the left inset: a dialog (insets 16, 4, 4, 4) shows it.
TEST(Layout, FlowLayoutFillsRowsAndStartsNewOnesAtZero) {
  run([&] {
    Ref volatile d = jnew<Dialog>(nullptr);
    Container::setLayout(d, FlowLayout::shared());
    Component::setBounds(d, 0, 0, 60, 80);
    Ref volatile a = Container::add(d, probe('a', 0, 0, 20, 10));
    Ref volatile b = Container::add(d, probe('b', 0, 0, 20, 12));
    Ref volatile c = Container::add(d, probe('c', 0, 0, 20, 8));
    vcall(Component::m_validate, d);
    // limit 60 - 4 - 4 = 52: a at 4, b at 26 (26 + 20 + 2 = 48), c would end at 70
    EXPECT_EQ((std::vector<Box>{bounds(a), bounds(b), bounds(c)}),
              (std::vector<Box>{{4, 16, 20, 10}, {26, 16, 20, 12}, {0, 28, 20, 8}}));
    // width: 3 x (20 + 2) + 4 + 4; height: one row, 12 + 16 + 4; as wide as no owner
    auto& size = Dimension::f(vcall(Component::m_getPreferredSize, d));
    EXPECT_EQ(size.width, 74);
    EXPECT_EQ(size.height, 32);
  });
}

TEST(Layout, BorderLayoutRegionsWithAbsentNeighbours) {
  struct Case {
    const char* regions;        // which of N S W E C are present
    std::vector<Box> expected;  // in the order N S W E C, present ones only
  };
  const Case cases[] = {
      {"C", {{0, 0, 160, 160}}},
      {"NC", {{0, 0, 160, 20}, {0, 21, 160, 139}}},
      {"WC", {{0, 0, 30, 160}, {31, 0, 129, 160}}},
      {"NWC", {{0, 0, 160, 20}, {0, 21, 30, 139}, {31, 21, 129, 139}}},
      {"SEC", {{0, 130, 160, 30}, {120, 0, 40, 129}, {0, 0, 119, 129}}},
      {"NSWEC",
       {{0, 0, 160, 20},
        {0, 130, 160, 30},
        {0, 21, 30, 108},
        {120, 21, 40, 108},
        {31, 21, 88, 108}}},
  };
  for (const Case& k : cases) {
    std::vector<Box> placed;
    run([&] {
      Ref volatile frame = jnew<Frame>();
      Component::setBounds(frame, 0, 0, 160, 160);
      // preferred sizes: north and south by height, west and east by width
      const Box sizes[] = {
          {0, 0, 50, 20}, {0, 0, 50, 30}, {0, 0, 30, 40}, {0, 0, 40, 40}, {0, 0, 10, 10}};
      const char* names[] = {"North", "South", "West", "East", "Center"};
      std::vector<Ref> added;
      for (int i = 0; i < 5; i++) {
        if (!strchr(k.regions, names[i][0])) continue;
        Ref p = probe(names[i][0], 0, 0, sizes[i].w, sizes[i].h);
        Container::add(frame, p, lit(names[i]));
        added.push_back(p);
      }
      vcall(Component::m_validate, frame);
      for (Ref p : added) placed.push_back(bounds(p));
    });
    EXPECT_EQ(placed, k.expected) << k.regions;
  }
}

TEST(Damage, RectanglesFourApartMergeAndFiveApartDoNot) {
  struct Case {
    std::vector<Box> added;
    std::vector<Box> queued;
  };
  const Case cases[] = {
      {{{0, 0, 10, 10}, {14, 0, 10, 10}}, {{0, 0, 24, 10}}},
      {{{0, 0, 10, 10}, {15, 0, 10, 10}}, {{0, 0, 10, 10}, {15, 0, 10, 10}}},
      {{{0, 0, 10, 10}, {0, 14, 10, 10}}, {{0, 0, 10, 24}}},
      {{{0, 0, 10, 10}, {0, 15, 10, 10}}, {{0, 0, 10, 10}, {0, 15, 10, 10}}},
      // the grown rectangle is tried again against the whole queue
      {{{0, 0, 10, 10}, {30, 0, 10, 10}, {16, 0, 10, 10}}, {{0, 0, 10, 10}, {16, 0, 24, 10}}},
      {{{0, 0, 10, 10}, {30, 0, 10, 10}, {60, 0, 5, 5}, {12, 0, 16, 10}},
       {{60, 0, 5, 5}, {0, 0, 40, 10}}},
      // grown by the last one queued, a rectangle reaches one scanned before
      {{{0, 0, 10, 10}, {-14, 15, 10, 10}, {14, 14, 10, 10}}, {{-14, 0, 38, 25}}},
  };
  for (const Case& k : cases) {
    std::vector<Box> queued;
    run([&] {
      Ref volatile w = jnew<Window>(nullptr);
      for (const Box& b : k.added) Window::addDamage(w, jnew<Rectangle>(b.x, b.y, b.w, b.h));
      Ref damage = Window::f(w).damage;
      for (jint i = 0; i < Vector::size(damage); i++) {
        auto& r = Rectangle::f(Vector::elementAt(damage, i));
        queued.push_back({r.x, r.y, r.width, r.height});
      }
    });
    EXPECT_EQ(queued, k.queued);
  }
}

// The frame repaints the popup's former area only: the rest of a screen blackened behind
// the toolkit's back stays black.
TEST(Windows, HidingAPopupRepaintsOnlyTheAreaItCovered) {
  run([&] {
    Ref volatile frame = shown_frame();
    Ref volatile popup = jnew<Window>(frame);
    Window::f(popup).popup = 1;
    Component::setBounds(popup, 40, 50, 30, 20);
    vcall(Component::m_setVisible, popup, 1);
    pump(5);
    com::sun::kjava::Graphics::resetDrawRegion();
    com::sun::kjava::Graphics::drawRectangle(0, 0, 160, 160, 1, 0);
    vcall(Component::m_setVisible, popup, 0);
    Screen s = screen_now();
    EXPECT_EQ(s.inked(40, 50, 69, 69), 0);
    EXPECT_EQ(s.inked(0, 0, 159, 159), 160 * 160 - 30 * 20);
    EXPECT_EQ(Toolkit::getTopWindow(), frame);
  });
}

// A drag leaving the component keeps going to it, in its own coordinates; a click on its
// far edges still hits.
TEST(Pen, DragsStayWithTheirComponentAndFarEdgesHit) {
  struct Case {
    std::vector<std::array<int, 3>> pen;  // message, x, y
    Log log;
  } cases[] = {
      {{{WM_LBUTTONDOWN, 30, 30}, {WM_MOUSEMOVE, 100, 10}, {WM_LBUTTONUP, 100, 10}},
       {"P 501 5 5", "P activate", "P 506 40 -5", "P 502 40 -5", "P 500 40 -5"}},
      {{{WM_LBUTTONDOWN, 60, 60}, {WM_LBUTTONUP, 60, 60}},
       {"P 501 20 20", "P activate", "P 502 20 20", "P 500 20 20"}},
  };
  for (const Case& c : cases) {
    run([&] {
      Ref volatile frame = shown_frame();
      Container::add(frame, probe('P', 10, 10, 20, 20));
      pump(5);
      for (auto [m, x, y] : c.pen) queue_pen(m, x, y);
      pump(20);
    });
    EXPECT_EQ(g_log, c.log);
  }
}

// The press closes the popup and is dropped; so are its release and click, which would
// otherwise go to the previous press's target below.
TEST(Pen, APressOutsideAPopupClosesItAndGoesNoFurther) {
  bool popupShown = true;
  run([&] {
    Ref volatile frame = shown_frame();
    Container::add(frame, probe('F', 0, 0, 160, 160));
    Ref volatile popup = jnew<Window>(frame);
    Window::f(popup).popup = 1;
    Component::setBounds(popup, 40, 40, 30, 20);
    Container::setLayout(popup, nullptr);
    Container::add(popup, probe('Q', 0, 0, 30, 20));
    tap_device(10, 10);
    vcall(Component::m_setVisible, popup, 1);
    pump(5);
    tap_device(45, 45);
    tap_device(10, 10);
    popupShown = Component::f(popup).visible;
    EXPECT_EQ(Toolkit::getTopWindow(), frame);
  });
  EXPECT_FALSE(popupShown);
  EXPECT_EQ(g_log, (Log{"F 501 10 10", "F activate", "F 502 10 10", "F 500 10 10", "Q 501 5 5",
                        "Q activate", "Q 502 5 5", "Q 500 5 5"}));
}

void post_key(jint code) {
  Ref volatile e =
      jnew<event::KeyEvent>(nullptr, event::KeyEvent::KEY_PRESSED, jlong{0}, 0, code, jchar{0});
  EventQueue::postEvent(Toolkit::getDefaultToolkit() ? Toolkit::S().eventQueue : nullptr, e);
}

// A frame holding a panel with A and B, then C; the probe tagged `focus` has the focus.
Ref focus_frame(char focus) {
  Ref volatile frame = shown_frame();
  Ref volatile panel = jnew<Panel>();
  Container::setLayout(panel, nullptr);
  Component::setBounds(panel, 0, 0, 100, 50);
  Ref volatile probes[] = {Container::add(panel, probe('A', 0, 0, 20, 20)),
                           Container::add(panel, probe('B', 30, 0, 20, 20)),
                           probe('C', 0, 60, 20, 20)};
  Container::add(frame, panel);
  Container::add(frame, probes[2]);
  pump(5);
  vcall(Component::m_requestFocus, probes[focus - 'A']);
  return frame;
}

char tag_of(Ref c) { return c && instanceof <Probe>(c) ? static_cast<char>(Probe::f(c).tag) : '-'; }

TEST(Keys, TraversalKeysMoveTheFocusAndActivateKeysActivate) {
  struct Case {
    char from;
    jint key;
    char focus;  // the focus owner afterwards
    Log log;
  };
  const Case cases[] = {
      {'A', 9, 'B', {"A key 9"}},
      {'B', 39, 'C', {"B key 39"}},
      {'C', 40, 'A', {"C key 40"}},
      {'A', 37, 'C', {"A key 37"}},
      {'C', 38, 'B', {"C key 38"}},
      {'B', 10, 'B', {"B key 10", "B activate"}},
      {'B', 30, 'B', {"B key 30", "B activate"}},
      {'B', 32, 'B', {"B key 32", "B activate"}},
      {'B', 33, 'B', {"B key 33"}},
  };
  for (const Case& k : cases) {
    char focus = '?';
    run([&] {
      Ref volatile frame = focus_frame(k.from);
      post_key(k.key);
      focus = tag_of(Window::getFocusOwner(frame));
    });
    EXPECT_EQ(focus, k.focus) << "key " << k.key << " from " << k.from;
    EXPECT_EQ(g_log, k.log) << "key " << k.key << " from " << k.from;
  }
}

TEST(Keys, ALongJogPressCancelsAndAShortOneAccepts) {
  run([] {
    focus_frame('A');
    palm_key(5890);
    palm_key(5894);
    palm_key(5893);
    palm_key(5894);
  });
  EXPECT_EQ(g_log, (Log{"A key 3", "A key 30", "A activate"}));
}

Ref g_dialog;

// M shows a modal dialog holding D; D hides it.
void modal_press(Ref p, Ref) {
  if (Probe::f(p).tag == 'D') {
    g_log.push_back("D 501");
    vcall(Component::m_setVisible, g_dialog, 0);
    return;
  }
  g_log.push_back("M before");
  vcall(Component::m_setVisible, g_dialog, 1);
  g_log.push_back("M after");
}

// A frame whose probe M (at 0, 0) opens a modal dialog whose probe D (at 80, 80) closes it.
void modal_frame() {
  Ref volatile frame = shown_frame();
  Container::add(frame, probe('M', 0, 0, 40, 40));
  Ref volatile dialog = jnew<Dialog>(frame, lit("Modal"), jbool{1});
  g_dialog = dialog;
  Container::setLayout(dialog, nullptr);
  Component::setBounds(dialog, 60, 60, 80, 80);
  Container::add(dialog, probe('D', 20, 20, 20, 20));
  g_onPress = modal_press;
}

TEST(Modal, ADialogFromAListenerReleasesThePenEventAndResumesTheListenerWhenClosed) {
  bool handedOver = false;
  run([&] {
    modal_frame();
    Ref first = Toolkit::dispatchThread();
    tap_device(10, 10);
    handedOver = Toolkit::dispatchThread() != first;
    tap_device(90, 90);
    g_dialog = nullptr;
  });
  EXPECT_TRUE(handedOver);
  // The press's release and click came while the listener waited, before D closed the dialog.
  EXPECT_EQ(g_log, (Log{"M before", "M 502 10 10", "M 500 10 10", "D 501", "M after", "M activate",
                        "D activate", "D 502 10 10", "D 500 10 10"}));
}

// Live heap and the saved stacks of the threads other than the running one.
struct Use {
  int64_t heap = 0;
  int64_t stacks = 0;
};

Use use_now() {
  rt_collect();
  Use u{.heap = rt_heap_in_use()};
  for (ThreadRecord* t = coop_first(); t; t = coop_next(t))
    if (t != coop_current() && coop_is_alive(t)) u.stacks += static_cast<int64_t>(t->savedSize);
  return u;
}

// Each dialog hands the dispatch to a new thread; none may keep its predecessors' frames (and
// the events they point to) alive, so ten thousand dialogs cost what ten do.
TEST(Modal, TenThousandDialogsLeaveTheHeapAndTheSavedStacksFlat) {
  constexpr int DIALOGS = 10000;
  constexpr int64_t SLACK = 300;  // bytes
  Use first, last;
  int opened = 0, resumed = 0;
  run([&] {
    modal_frame();
    for (int i = 0; i < DIALOGS; i++) {
      if (i == 10) first = use_now();
      tap_device(10, 10);
      opened += Component::f(g_dialog).visible && Toolkit::getTopWindow() == g_dialog;
      tap_device(90, 90);
      resumed += static_cast<int>(std::count(g_log.begin(), g_log.end(), "M after"));
      g_log.clear();
    }
    last = use_now();
    g_dialog = nullptr;
  });
  EXPECT_EQ(opened, DIALOGS);
  EXPECT_EQ(resumed, DIALOGS);
  EXPECT_NEAR(last.heap, first.heap, SLACK);
  EXPECT_NEAR(last.stacks, first.stacks, SLACK);
}

void failing_press(Ref p, Ref e) {
  g_log.push_back("pressed");
  if (g_log.size() == 1) jthrow(jnew<java::lang::RuntimeException>(lit("listener failed")));
  (void)p, (void)e;
}

// Reported once, on the event thread; later events neither report it again nor stop.
TEST(Failure, AFailedListenerIsReportedOnceAndLaterEventsGoOn) {
  g_log.clear();
  g_onPress = failing_press;
  InProcessResult r = run_in_process({.classes = toolkit_test_classes,
                                      .body =
                                          [] {
                                            Ref volatile frame = shown_frame();
                                            Container::add(frame, probe('F', 0, 0, 160, 160));
                                            pump(5);
                                            tap_device(10, 10);
                                            tap_device(20, 20);
                                          },
                                      .commandLine = "-console"});
  g_onPress = nullptr;
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(g_log, (Log{"pressed", "F 502 10 10", "F 500 10 10", "pressed", "F activate",
                        "F 502 20 20", "F 500 20 20"}));
  EXPECT_EQ(r.console,
            "Test console started ...\n"
            "java/lang/RuntimeException: listener failed\n");
}

}  // namespace
