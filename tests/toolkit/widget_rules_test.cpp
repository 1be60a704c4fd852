// Widget rules that a screenshot cannot pin, in process through the real host: the scroll
// bar's arithmetic, the scroll manager's viewport, where a menu opens, the list's keys. What
// a choice's or a menu's list selects, the menu bar's keys and the radio group: end to end
// (widgets_test.cpp).
#include <gtest/gtest.h>

#include "java/awt/Button.h"
#include "java/awt/Checkbox.h"
#include "java/awt/CheckboxGroup.h"
#include "java/awt/Choice.h"
#include "java/awt/List.h"
#include "java/awt/Menu.h"
#include "java/awt/MenuBar.h"
#include "java/awt/MenuBarComponent.h"
#include "java/awt/MenuItem.h"
#include "java/awt/ScrollManager.h"
#include "java/awt/ScrollPane.h"
#include "java/awt/Scrollbar.h"
#include "java/awt/Toolkit.h"
#include "java/awt/event/KeyEvent.h"
#include "java/awt/event/MouseEvent.h"
#include "runtime/rt.h"
#include "toolkit_support.h"

using namespace java::awt;
using namespace java::awt::event;
using Log = std::vector<std::string>;

namespace {

void run(std::function<void()> body) {
  g_log.clear();
  run_cleanly(toolkit_test_classes, std::move(body));
}

// A pen event as the dispatch thread hands it over, in the component's coordinates.
void pen(Ref c, jint id, jint x, jint y) {
  Ref volatile e = jnew<MouseEvent>(c, id, jlong{0}, 0, x, y, 1, jbool{0});
  vcall(Component::m_dispatchMouseEvent, c, e);
}

// Scroll bar: vertical, 60 long, 0..100 with 10 visible; arrows 6, track 48, so the thumb
// is 10 * 48 / 100 = 4 long at value * 48 / 100 + 6.
TEST(ScrollbarRules, PressesDragsAndValuesClamp) {
  struct Step {
    jint id, p;
    const char* logged;  // nullptr: no event
  };
  const Step steps[] = {
      {501, 2, nullptr},           // the up arrow at the minimum: clamped, no change
      {502, 2, nullptr},           //
      {501, 58, "r adjust 1 1"},   // the down arrow: unit increment
      {501, 30, "r adjust 4 11"},  // after the thumb (6 + 0): block increment
      {501, 5, "r adjust 3 1"},    // before the thumb (at 11), past the arrow's reach (4): block
      {506, 3, "r adjust 2 0"},    // dragged onto the up arrow, no drag going: unit decrement
      {502, 3, nullptr},           //
      {501, 7, nullptr},           // on the thumb (6..9): a drag starts
      {506, 40, "r adjust 5 64"},  // 0 + (40 - 7 - 2) * 100 / 48
      {506, 59, "r adjust 5 90"},  // (59 - 7 - 2) * 100 / 48 = 104, clamped to 100 - 10
      {506, 70, nullptr},          // still 90
      {502, 70, nullptr},
      {506, 58, nullptr},  // the drag is over: the down arrow, at 90 already
  };
  run([&] {
    Ref volatile bar = jnew<Scrollbar>();
    Component::setBounds(bar, 0, 0, 7, 60);
    Scrollbar::addAdjustmentListener(bar, probe('r', 0, 0, 1, 1));
    for (size_t i = 0; i < std::size(steps); i++) {
      size_t before = g_log.size();
      pen(bar, steps[i].id, 3, steps[i].p);
      EXPECT_EQ(g_log.size() > before ? g_log.back() : "", steps[i].logged ? steps[i].logged : "")
          << "step " << i;
    }
    // The constructor keeps what it is given; setValue clamps to the maximum less the visible.
    Ref volatile h = jnew<Scrollbar>(Scrollbar::HORIZONTAL, 95, 10, 0, 100);
    EXPECT_EQ(Scrollbar::getValue(h), 95);
    Scrollbar::setValue(h, 1000);
    EXPECT_EQ(Scrollbar::getValue(h), 90);
  });
}

// Scroll manager: a 50 x 30 owner with a one-pixel border, bars 7 thick.
TEST(ScrollManagerRules, BarsComeAndGoWithTheContentOneBringsTheOtherAndTheyTakeHits) {
  struct Case {
    jint w, h;
    bool vbar, hbar;
    jint viewW, viewH;
  } cases[] = {
      {40, 20, false, false, 48, 28}, {40, 60, true, false, 41, 28},
      {60, 20, false, true, 48, 21},  // 20 still fits the 21 the horizontal bar leaves
      {45, 60, true, true, 41, 21},   // the vertical bar makes 45 too wide
      {60, 25, true, true, 41, 21},   // the horizontal bar makes 25 too high
      {40, 20, false, false, 48, 28},
  };
  std::string hits;
  run([&] {
    Ref volatile owner = probe('o', 0, 0, 50, 30);
    Ref volatile m = jnew<ScrollManager>(owner, 1);
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
      ScrollManager::setContentSize(m, c.w, c.h);
      auto& s = ScrollManager::f(m);
      EXPECT_EQ(s.viewWidth, c.viewW);
      EXPECT_EQ(s.viewHeight, c.viewH);
      // At the right edge inside the border, over the owner's height less the border; the
      // horizontal one at the bottom, as wide as the viewport.
      EXPECT_EQ(s.vbar ? bounds(s.vbar) : Box(), c.vbar ? Box(42, 1, 7, 28) : Box());
      EXPECT_EQ(s.hbar ? bounds(s.hbar) : Box(), c.hbar ? Box(1, 22, c.viewW, 7) : Box());
    }
    // Hits go to the bars right of and below the viewport.
    ScrollManager::setContentSize(m, 60, 60);
    auto& s = ScrollManager::f(m);
    const std::pair<int, int> points[] = {{10, 10}, {42, 10}, {41, 10}, {10, 22},
                                          {10, 21}, {50, 30}, {51, 10}, {-1, 10}};
    for (auto [x, y] : points) {
      Ref hit = ScrollManager::hitTest(m, x, y);
      hits += !hit ? '-' : hit == owner ? 'o' : hit == s.vbar ? 'v' : hit == s.hbar ? 'h' : '?';
    }
  });
  EXPECT_EQ(hits, "ovohov--");
}

// Menus open at (x - 1, y - 1), pushed left and up onto the screen, never past 0. The list
// is one row and its border: 14 high, moved up 2 in a window 2 shorter.
TEST(MenuRules, OpenPlacesThePopupOnTheScreen) {
  constexpr jint W = 27;  // as wide as "Open" needs
  struct Case {
    const char* item;
    jint x, y;
    Box window;
  } cases[] = {
      {"Open", 10, 15, {9, 14, W, 12}},
      {"Open", 150, 15, {133, 14, W, 12}},  // shifted left
      {"Open", 0, 0, {0, 0, W, 12}},        // never above or left of 0
      {"Open", 10, 155, {9, 148, W, 12}},   // shifted up
      {"A very long menu item that is far wider than the screen", 30, 15, {0, 14, 199, 12}},
  };
  std::vector<Box> windows, lists;
  run([&] {
    for (const Case& c : cases) {
      Ref volatile menu = jnew<Menu>(lit("M"));
      Menu::add(menu, jnew<MenuItem>(lit(c.item)));
      Menu::open(menu, c.x, c.y, 0);
      windows.push_back(bounds(Menu::f(menu).popup));
      lists.push_back(bounds(Menu::f(menu).list));
      Menu::close(menu);
    }
  });
  for (size_t i = 0; i < std::size(cases); i++) {
    EXPECT_EQ(windows[i], cases[i].window) << cases[i].item << " at " << cases[i].x;
    EXPECT_EQ(lists[i], (Box{0, -2, cases[i].window.w, 14})) << cases[i].item;
  }
}

// A key pressed, as the dispatch thread hands it to the focus owner; true when consumed.
bool key(Ref c, jint code) {
  Ref volatile e = jnew<KeyEvent>(c, KeyEvent::KEY_PRESSED, jlong{0}, 0, code, jchar{0});
  vcall(Component::m_dispatchKeyEvent, c, e);
  return AWTEvent::isConsumed(e);
}

TEST(ListRules, KeysMoveTheCursorChooseAndClear) {
  struct Step {
    jint code;
    jint highlighted;
    bool consumed;
  } steps[] = {
      {40, 0, true},   {40, 1, true},   {40, 2, true}, {40, 2, true},  // down stops at the last
      {38, 1, true},   {32, 1, true},                                  // space chooses
      {38, 0, true},   {38, 0, true},   {30, 0, true},                 // up stops at the first
      {3, -1, true},                                                   // cancel clears
      {39, -1, false}, {10, -1, false},                                // left to the toolkit
  };
  run([&] {
    Ref volatile list = jnew<List>();
    for (const char* s : {"a", "b", "c"}) List::add(list, lit(s));
    Component::setBounds(list, 0, 0, 40, 40);
    vcall(Component::m_validate, list);
    List::addItemListener(list, probe('r', 0, 0, 1, 1));
    for (size_t i = 0; i < std::size(steps); i++) {
      EXPECT_EQ(key(list, steps[i].code), steps[i].consumed) << "step " << i;
      EXPECT_EQ(List::f(list).highlighted, steps[i].highlighted) << "step " << i;
    }
    // In a popup's list, cancel is left to the toolkit, which closes the popup.
    Ref volatile menu = jnew<Menu>(lit("M"));
    Menu::add(menu, jnew<MenuItem>(lit("a")));
    EXPECT_FALSE(key(Menu::f(menu).list, 3));
  });
  EXPECT_EQ(g_log, (Log{"r item b 1", "r item a 1"}));
}

// 100 wide needs a horizontal bar, leaving 48 x 41: the child grows to 41 high. The bars lie
// outside the viewport that clips the child, yet a bar moved by the pen is drawn at once,
// before any queued repaint.
TEST(ScrollPaneRules, TheChildFillsTheViewportScrollsWithinItAndABarMovedIsDrawnAtOnce) {
  run([&] {
    Ref volatile frame = shown_frame();
    Ref volatile pane = jnew<ScrollPane>();
    Container::add(frame, pane);
    Component::setBounds(pane, 10, 20, 50, 50);
    Ref volatile c = probe('c', 0, 0, 100, 30);  // preferred size: its size
    Container::add(pane, c);
    vcall(Component::m_validate, pane);
    EXPECT_EQ(bounds(c), (Box{1, 1, 100, 41}));
    pump(10);  // the frame's damage painted
    // The horizontal bar: (1, 42, 48, 7) in the pane; track 36; the thumb 48 * 36 / 100 =
    // 17 long at value * 36 / 100 + 6, with a background line across each end.
    Ref bar = ScrollManager::f(ScrollPane::f(pane).scroll).hbar;
    jint y = 20 + 42 + 2, at = 10 + 1 + 40;  // above the middle line, which a mono track inverts
    Screen s = screen_now();
    EXPECT_TRUE(s.white(10 + 1 + 6, y));
    EXPECT_TRUE(s.black(at, y));
    pen(bar, MouseEvent::MOUSE_PRESSED, 30, 3);  // block increment: value 48, thumb 23..40
    EXPECT_TRUE(screen_now().white(at, y));
    ScrollPane::setScrollPosition(pane, 80, 0);  // at most 100 - 48
    EXPECT_EQ(bounds(c), (Box{1 - 52, 1, 100, 41}));
    EXPECT_EQ(vcall(Component::m_getComponentAt, pane, 10, 10), c);
  });
}

// Painting what has not changed makes no objects, and with nothing to repaint the dispatch
// thread's idle passes neither allocate nor draw: the host idles then.
TEST(PaintRules, PaintingAWidgetAgainAndIdlingAllocateNothing) {
  std::vector<std::string> grew;
  run([&] {
    Ref volatile frame = shown_frame();
    Ref volatile group = jnew<CheckboxGroup>();
    Ref volatile list = jnew<List>();
    for (const char* s : {"a", "b", "c", "d", "e", "f"}) List::add(list, lit(s));
    Ref volatile choice = jnew<Choice>();
    Choice::add(choice, lit("x"));
    Ref volatile bar = jnew<MenuBar>();
    MenuBar::add(bar, jnew<Menu>(lit("File")));
    Ref volatile widgets[] = {jnew<Button>(lit("OK")),
                              jnew<Checkbox>(lit("box"), 1),
                              jnew<Checkbox>(lit("radio"), group, 1),
                              list,
                              choice,
                              jnew<Scrollbar>(),
                              jnew<MenuBarComponent>(bar)};
    const char* names[] = {"button", "check box", "radio", "list", "choice", "scroll bar", "strip"};
    int i = 0;
    for (Ref w : widgets) {
      Container::add(frame, w);
      Component::setBounds(w, 10, 20, 60, 30);
      vcall(Component::m_validate, w);
      Ref volatile gs[4];
      for (Ref volatile& g : gs) g = Toolkit::createGraphics();
      vcall(Component::m_paint, w, gs[0]);  // the first paint may make what it keeps
      int64_t before = rt_heap_in_use();
      for (int k = 1; k < 4; k++) vcall(Component::m_paint, w, gs[k]);
      if (rt_heap_in_use() != before) grew.push_back(names[i]);
      i++;
    }
    pump(10);
    Screen shown = screen_now();
    int64_t used = rt_heap_in_use();
    pump(200);
    EXPECT_EQ(rt_heap_in_use() - used, 0) << "idle";
    EXPECT_TRUE(screen_now().px == shown.px) << "idle";
  });
  EXPECT_EQ(grew, std::vector<std::string>{});
}

}  // namespace
