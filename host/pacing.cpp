// Wall-clock pacing: waiting in the operating system after a scheduler round that did
// nothing, and holding frames to the frame-rate limit. Neither changes what the threads do
// or in which order; they only decide when the next round starts.
#include <algorithm>

#include "host/host.h"

// A round whose threads ran this long computed something, even without drawing.
static const int64_t BUSY_US = 200;
// Longest idle wait: whatever the wait cannot see (a clock jump) is noticed this soon. A
// page wakes seldom, so that an idle program leaves the processor to the browser.
#ifdef __EMSCRIPTEN__
static const DWORD IDLE_CAP_MS = 1000;
#else
static const DWORD IDLE_CAP_MS = 50;
#endif
// A window's wait cannot watch a script's pipe as well: it is looked at this often.
static const DWORD SCRIPT_LOOK_MS = 10;

static uint32_t g_work;
static uint64_t g_allocations;
static bool g_last_quiet;
static int64_t g_next_frame;  // microseconds on the performance counter
static uint32_t g_frames;

static int64_t now_us() {
  LARGE_INTEGER c, f;
  QueryPerformanceCounter(&c);
  QueryPerformanceFrequency(&f);
  return static_cast<int64_t>(c.QuadPart / f.QuadPart * 1000000 +
                              c.QuadPart % f.QuadPart * 1000000 / f.QuadPart);
}

static bool wait_for_messages(DWORD ms) {
  return MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE) !=
         WAIT_TIMEOUT;
}

// Returns at once when input or a message is waiting, or a script's writer sends a line.
// Without a display the wait is on the script's descriptor itself; with one, the
// descriptor is looked at between short waits for messages.
static bool wait_for_input(DWORD ms) {
  if (!script_waits_for_input()) return wait_for_messages(ms);
  bool headless = GetSystemMetrics(SM_CXSCREEN) <= 0;
  for (;;) {
    if (wait_for_messages(0)) return true;
    DWORD slice = headless ? ms : std::min(ms, SCRIPT_LOOK_MS);
    if (headless ? script_input_ready(slice) : wait_for_messages(slice) || script_input_ready(0))
      return true;
    ms -= slice;
    if (ms == 0) return false;
  }
}

/* ---------------------------------------------------------------------------
 * Idle rounds
 * ------------------------------------------------------------------------- */

// Called by the main loop after each round: when no thread took an event, drew, allocated
// or ran past a short busy time, and no sleeper or script step is due, wait for input,
// the next wake time, or the cap.
void host_after_round() {
  uint64_t allocations = rt_allocations();
  g_last_quiet = host.work == g_work && allocations == g_allocations;
  bool idle = g_last_quiet && coop_busy_us() < BUSY_US;
  g_work = host.work;
  g_allocations = allocations;
  if (idle && host.idleWait) {
    DWORD ms = std::min(IDLE_CAP_MS, script_due_in());
    if (int64_t wake = coop_next_wake_ms()) {
      int64_t left = wake - coop_now_ms();
      ms = left <= 0 ? 0 : std::min<DWORD>(ms, static_cast<DWORD>(left));
    }
    if (ms > 0) wait_for_input(ms);
  }
  coop_reset_busy();
}

bool host_last_round_quiet() { return g_last_quiet; }

/* ---------------------------------------------------------------------------
 * Frames
 * ------------------------------------------------------------------------- */

// At most host.fps frames a second: a frame starts no sooner than one period after the
// last one was due to. A frame long after the last (or the first) starts at once, so
// drawing that comes now and then is never delayed. Input ends the wait at once.
void host_frame_start() {
  g_frames++;
  if (host.fps <= 0) return;
  int64_t period = 1000000 / host.fps, now = now_us();
  if (g_next_frame == 0 || now - g_next_frame > period) {
    g_next_frame = now + period;
    return;
  }
  while (now < g_next_frame) {
    if (wait_for_input(static_cast<DWORD>((g_next_frame - now + 999) / 1000))) break;
    now = now_us();
  }
  g_next_frame += period;
  coop_reset_busy();  // the wait is nobody's work
}

uint32_t host_frame_count() { return g_frames; }
