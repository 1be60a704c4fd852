// Device window input: pen points, capture, the silk-screen buttons and the keys.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "in_process.h"
#include "platform/internal.h"

namespace {

std::vector<int32_t> g_words;
Ref g_stream;

// Opens the event stream, delivers the input, lets the pump run and drains the queue.
void deliver(const std::function<void()>& input) {
  if (!host.eventOwner) {
    g_stream = jstr("stream");
    evt_open(g_stream);
  }
  input();
  pump();
  g_words.clear();
  for (int32_t w; (w = evt_read(g_stream)) != -1;) g_words.push_back(w);
}

using Words = std::vector<int32_t>;

// The silk-screen buttons, for "b n".
const char* const kButtons[] = {"Apps", "Menu", "Calc", "Find",  "Date",
                                "Addr", "PgUp", "PgDn", "To Do", "Memo"};

// Input as words: "d x y" press, "m x y" move with the button held, "h x y" without it,
// "u x y" release, "k n" key down, "K n" key up, "c n" character, "w n" wheel turned by n
// (120 a notch, positive away from the user), "o n" event options, "b n" a click on button n.
void play(const std::string& input) {
  std::istringstream in(input);
  for (char op; in >> op;) {
    int a = 0, b = 0;
    in >> a;
    if (strchr("dmhu", op)) in >> b;
    if (op == 'o') evt_set_options(a);
    if (op == 'b') {
      RECT r = GetDlgItem(host.window, host_button_id(kButtons[a]))->rect;
      platform_mouse(host.window, WM_LBUTTONDOWN, r.left + 5, r.top + 5, true);
      platform_mouse(host.window, WM_LBUTTONUP, r.left + 5, r.top + 5, false);
    }
    if (op == 'w') input_wheel(host.window, a);
    if (strchr("kKc", op))
      platform_key(host.window, op == 'k' ? WM_KEYDOWN : op == 'K' ? WM_KEYUP : WM_CHAR, a);
    if (strchr("dmhu", op))
      platform_mouse(host.window,
                     op == 'd'   ? WM_LBUTTONDOWN
                     : op == 'u' ? WM_LBUTTONUP
                                 : WM_MOUSEMOVE,
                     a, b, op == 'd' || op == 'm');
  }
}

TEST(Window, PenAndKeysQueueTheirWords) {
  struct Case {
    const char* what;
    std::string input;
    Words words;
  };
  const Case cases[] = {
      {"press inside, drag out over the buttons, release outside: down and inside moves",
       "d 100 100 m 200 300 m 200 330 u 200 340",
       {1, 50, 50, 3, 100, 150}},
      {"press on the strip's background, release inside: only pen up",
       "d 100 390 u 20 30",
       {2, 10, 15}},
      {"the screen area ends at window pixel 318",
       "d 318 318 u 319 10 d 0 0 u 10 319",
       {1, 159, 159, 1, 0, 0}},
      {"moves without the button held", "h 50 50", {}},
      {"released over PgDn after a press on the screen clicks nothing",
       "d 140 300 u 140 440",
       {1, 70, 150}},
      {"Date needs the system keys flag, PgDn does not",
       "o 0 d 20 420 u 20 420 d 140 440 u 140 440",
       {4, 12}},
      {"Date with the flag", "o 1 d 20 420 u 20 420", {4, 516}},
      // Virtual keys: 37 to 40 are the arrows, 13 return, 27 escape, 8 backspace.
      {"arrows map, other keys and key ups do not; characters translate",
       "k 37 k 38 k 39 k 40 k 65 K 37 c 13 c 27 c 8 c 113",
       {4, 517, 4, 11, 4, 518, 4, 12, 4, 10, 4, 520, 4, 8, 4, 'q'}},
      {"control keys type their character", "k 13 k 27 k 8", {4, 10, 4, 520, 4, 8}},
      // 36 Home; what the page keys, F1, the Menu key and Home with the flag press:
      // Window.KeysWheelAndTheRememberedPlace, as a person's keys.
      {"Home (Apps) needs the flag; a key up presses nothing", "o 0 k 36 K 33", {}},
      {"a wheel notch is a page key, up is PgUp; fine steps add up to notches",
       "w 120 w -240 w 60 w 60 w -50",
       {4, 11, 4, 12, 4, 12, 4, 11}},
      {"every button queues its key code, and keys still reach the window after a click",
       "o 1 b 0 b 1 b 2 b 3 b 4 b 5 b 6 b 7 b 8 b 9 c 120",
       {4, 264, 4, 261, 4, 267, 4, 266, 4, 516, 4, 517, 4, 11, 4, 12, 4, 518, 4, 519, 4, 'x'}},
  };
  for (const Case& c : cases) {
    static std::string input;
    input = c.input;
    run_body([] { deliver([] { play(input); }); });
    EXPECT_EQ(g_words, c.words) << c.what;
  }
}

TEST(Window, QueueOverflowShowsTheMessageAndPaintLeavesTheLastRow) {
  InProcessResult r = run_body([] {
    host.alloc = [](size_t) -> void* { return nullptr; };
    deliver([] {
      for (int i = 0; i < 6; i++) platform_mouse(host.window, WM_LBUTTONDOWN, 2 * i, 0, true);
    });
    host.alloc = malloc;
    // Paint shows the screen area but not its last column and row.
    gfx_fill_rectangle(0, 0, 160, 160, DRAW_BLACK, 0);
    std::vector<uint32_t> w = window_pixels();
    EXPECT_EQ((std::vector<uint32_t>{w[0], w[318 * 320 + 318], w[319 * 320 + 10]}),
              (std::vector<uint32_t>{0, 0, 0x808080}));  // the last row keeps the background
  });
  ASSERT_EQ(r.boxes.size(), 1u);
  EXPECT_EQ(r.boxes[0], "Java run-time error: Internal event queue overflow.");
  EXPECT_EQ(g_words.size(), 15u);
}

}  // namespace
