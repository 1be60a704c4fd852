// Device window input: pen points, capture, the silk-screen buttons and the keys.
#include <gtest/gtest.h>

#include "harness.h"
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

TEST(Window, PressInsideDragOutReleaseOutsideQueuesDownAndInsideMovesOnly) {
  run_body([] {
    deliver([] {
      platform_mouse(host.window, WM_LBUTTONDOWN, 100, 100, true);
      platform_mouse(host.window, WM_MOUSEMOVE, 200, 300, true);
      platform_mouse(host.window, WM_MOUSEMOVE, 200, 330, true);  // over the buttons
      platform_mouse(host.window, WM_LBUTTONUP, 200, 340, false);
    });
  });
  EXPECT_EQ(g_words, (Words{1, 50, 50, 3, 100, 150}));
}

TEST(Window, PressOutsideReleaseInsideQueuesOnlyPenUp) {
  run_body([] {
    deliver([] {
      platform_mouse(host.window, WM_LBUTTONDOWN, 100, 390, true);  // strip background
      platform_mouse(host.window, WM_LBUTTONUP, 20, 30, false);
    });
  });
  EXPECT_EQ(g_words, (Words{2, 10, 15}));
}

TEST(Window, ScreenAreaEndsAtWindowPixel318) {
  run_body([] {
    deliver([] {
      platform_mouse(host.window, WM_LBUTTONDOWN, 318, 318, true);
      platform_mouse(host.window, WM_LBUTTONUP, 319, 10, false);
      platform_mouse(host.window, WM_LBUTTONDOWN, 0, 0, true);
      platform_mouse(host.window, WM_LBUTTONUP, 10, 319, false);
    });
  });
  EXPECT_EQ(g_words, (Words{1, 159, 159, 1, 0, 0}));
}

TEST(Window, MovesWithoutTheButtonHeldAreIgnored) {
  run_body([] { deliver([] { platform_mouse(host.window, WM_MOUSEMOVE, 50, 50, false); }); });
  EXPECT_EQ(g_words, Words{});
}

TEST(Window, ReleaseOverAButtonAfterPressingOnTheScreenClicksNothing) {
  run_body([] {
    deliver([] {
      platform_mouse(host.window, WM_LBUTTONDOWN, 140, 300, true);
      platform_mouse(host.window, WM_LBUTTONUP, 140, 440, false);  // over "PgDn"
    });
  });
  EXPECT_EQ(g_words, (Words{1, 70, 150}));
}

TEST(Window, SystemButtonsNeedTheSystemKeysFlag) {
  run_body([] {
    deliver([] {
      evt_set_options(0);
      platform_mouse(host.window, WM_LBUTTONDOWN, 20, 420, true);  // "Date"
      platform_mouse(host.window, WM_LBUTTONUP, 20, 420, false);
      platform_mouse(host.window, WM_LBUTTONDOWN, 140, 440, true);  // "PgDn"
      platform_mouse(host.window, WM_LBUTTONUP, 140, 440, false);
    });
  });
  EXPECT_EQ(g_words, (Words{4, 12}));
  run_body([] {
    deliver([] {
      evt_set_options(1);
      platform_mouse(host.window, WM_LBUTTONDOWN, 20, 420, true);
      platform_mouse(host.window, WM_LBUTTONUP, 20, 420, false);
    });
  });
  EXPECT_EQ(g_words, (Words{4, 516}));
}

TEST(Window, EveryButtonQueuesItsKeyCode) {
  run_body([] {
    deliver([] {
      evt_set_options(1);
      const char* labels[] = {"Apps", "Menu", "Calc", "Find",  "Date",
                              "Addr", "PgUp", "PgDn", "To Do", "Memo"};
      for (const char* l : labels) {
        int id = host_button_id(l);
        HWND b = GetDlgItem(host.window, id);
        RECT r = b->rect;
        platform_mouse(host.window, WM_LBUTTONDOWN, r.left + 5, r.top + 5, true);
        platform_mouse(host.window, WM_LBUTTONUP, r.left + 5, r.top + 5, false);
      }
    });
  });
  EXPECT_EQ(g_words,
            (Words{4, 264, 4, 261, 4, 267, 4, 266, 4, 516, 4, 517, 4, 11, 4, 12, 4, 518, 4, 519}));
}

TEST(Window, KeysAndCharactersMapAsTheDeviceKeys) {
  run_body([] {
    deliver([] {
      platform_key(host.window, WM_KEYDOWN, VK_LEFT);
      platform_key(host.window, WM_KEYDOWN, VK_UP);
      platform_key(host.window, WM_KEYDOWN, VK_RIGHT);
      platform_key(host.window, WM_KEYDOWN, VK_DOWN);
      platform_key(host.window, WM_KEYDOWN, 'A');    // nothing
      platform_key(host.window, WM_KEYUP, VK_LEFT);  // nothing
      platform_key(host.window, WM_CHAR, 13);
      platform_key(host.window, WM_CHAR, 27);
      platform_key(host.window, WM_CHAR, 8);
      platform_key(host.window, WM_CHAR, 'q');
    });
  });
  EXPECT_EQ(g_words, (Words{4, 517, 4, 11, 4, 518, 4, 12, 4, 10, 4, 520, 4, 8, 4, 'q'}));
}

TEST(Window, ControlKeysTypeTheirCharacterThroughTheTranslation) {
  run_body([] {
    deliver([] {
      platform_key(host.window, WM_KEYDOWN, VK_RETURN);
      platform_key(host.window, WM_KEYDOWN, VK_ESCAPE);
      platform_key(host.window, WM_KEYDOWN, VK_BACK);
    });
  });
  EXPECT_EQ(g_words, (Words{4, 10, 4, 520, 4, 8}));
}

TEST(Window, KeysStillReachTheWindowAfterAButtonClick) {
  run_body([] {
    deliver([] {
      platform_mouse(host.window, WM_LBUTTONDOWN, 20, 370, true);  // "Menu"
      platform_mouse(host.window, WM_LBUTTONUP, 20, 370, false);
    });
    deliver([] { platform_key(host.window, WM_CHAR, 'x'); });
  });
  EXPECT_EQ(g_words, (Words{4, 'x'}));
}

TEST(Window, OverflowOfTheQueueShowsTheMessageAndLosesTheEvent) {
  HostResult r = run_body([] {
    g_stream = jstr("stream");
    evt_open(g_stream);
    host.alloc = [](size_t) -> void* { return nullptr; };
    for (int i = 0; i < 6; i++) platform_mouse(host.window, WM_LBUTTONDOWN, 2 * i, 0, true);
    pump();
    host.alloc = malloc;
    g_words.clear();
    for (int32_t w; (w = evt_read(g_stream)) != -1;) g_words.push_back(w);
  });
  ASSERT_EQ(r.boxes.size(), 1u);
  EXPECT_EQ(r.boxes[0], "Java run-time error: Internal event queue overflow.");
  EXPECT_EQ(g_words.size(), 15u);
}

TEST(Window, PaintShowsTheScreenAreaButNotItsLastColumnAndRow) {
  run_body([] {
    gfx_fill_rectangle(0, 0, 160, 160, DRAW_BLACK, 0);
    std::vector<uint32_t> w = window_pixels();
    g_words = {static_cast<int32_t>(w[0]), static_cast<int32_t>(w[318 * 320 + 318]),
               static_cast<int32_t>(w[319 * 320 + 10])};
  });
  EXPECT_EQ(g_words, (Words{0, 0, 0x808080}));  // the last row keeps the background
}

}  // namespace
