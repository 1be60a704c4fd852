// Event queue: pen and key records as 32-bit words, appended by the window procedure and
// read one word at a time by the stream object that owns the queue.
#include <cstdlib>
#include <cstring>

#include "host/host.h"
#include "host/natives.h"

static const int32_t INITIAL_CAPACITY = 16;  // words

/* ---------------------------------------------------------------------------
 * Host side
 * ------------------------------------------------------------------------- */

int evt_start() {
  host.capacity = host.count = host.systemKeys = 0;
  host.queue = static_cast<int32_t*>(host.alloc(INITIAL_CAPACITY * sizeof(int32_t)));
  if (!host.queue) return 0;
  memset(host.queue, 0, INITIAL_CAPACITY * sizeof(int32_t));
  host.capacity = INITIAL_CAPACITY;
  return 1;
}

void evt_stop() {
  free(host.queue);
  host.queue = nullptr;
  host.capacity = host.count = host.systemKeys = 0;
}

// Doubles the buffer; false when the allocator refuses (the old contents stay).
static bool grow() {
  if (host.capacity > INT32_MAX / 2) return false;
  int32_t capacity = host.capacity ? host.capacity * 2 : INITIAL_CAPACITY;
  auto* words = static_cast<int32_t*>(host.alloc(static_cast<size_t>(capacity) * sizeof(int32_t)));
  if (!words) return false;
  memset(words, 0, static_cast<size_t>(capacity) * sizeof(int32_t));
  if (host.queue) memcpy(words, host.queue, static_cast<size_t>(host.count) * sizeof(int32_t));
  free(host.queue);
  host.queue = words;
  host.capacity = capacity;
  return true;
}

static int32_t pen_coordinate(WORD w) { return static_cast<short>(w) / 2; }

int evt_enqueue(UINT msg, WPARAM wp, LPARAM lp) {
  script_note_input(msg, wp, lp);  // -record keeps the program's input, read or not
  if (!host.eventOwner) return 1;  // nobody reads: input is dropped
  int32_t n;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      n = 3;
      break;
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_COMMAND:
      n = 2;
      break;
    default:
      return 1;
  }
  if (host.count + n >= host.capacity) {
    if (!grow() || host.count + n >= host.capacity) return 0;
  }
  int32_t* w = host.queue + host.count;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
      w[0] = msg == WM_LBUTTONDOWN ? EVT_PEN_DOWN : msg == WM_LBUTTONUP ? EVT_PEN_UP : EVT_PEN_MOVE;
      w[1] = pen_coordinate(LOWORD(lp));
      w[2] = pen_coordinate(HIWORD(lp));
      break;
    case WM_COMMAND:
      w[0] = EVT_KEY;
      w[1] = host_button_key(wp);
      break;
    case WM_CHAR:
      w[0] = EVT_KEY;
      w[1] = wp == 13 ? 10 : wp == 27 ? 0x208 : static_cast<int32_t>(wp);
      break;
    case WM_KEYDOWN:
      w[0] = EVT_KEY;
      switch (wp) {
        case VK_LEFT:
          w[1] = 0x205;
          break;
        case VK_UP:
          w[1] = 0x0B;
          break;
        case VK_RIGHT:
          w[1] = 0x206;
          break;
        case VK_DOWN:
          w[1] = 0x0C;
          break;
        default:
          return 0;
      }
      break;
  }
  host.count += n;
  return 1;
}

/* ---------------------------------------------------------------------------
 * Natives
 * ------------------------------------------------------------------------- */

jint evt_open(Ref stream) {
  if (!stream || host.eventOwner) return 0;
  host.eventOwner = stream;
  return 1;
}

jint evt_close(Ref stream) {
  if (!stream || stream != host.eventOwner) return 0;
  host.eventOwner = nullptr;
  return 1;
}

jint evt_read(Ref stream) {
  if (!stream || stream != host.eventOwner || host.count <= 0) return -1;
  int32_t word = host.queue[0];
  host_note_work();
  host.count--;
  memmove(host.queue, host.queue + 1, static_cast<size_t>(host.count) * sizeof(int32_t));
  return word;
}

jint evt_read_bytes(Ref, Ref) { return 0; }

void evt_set_options(jint options) {
  host.systemKeys = options;
  host.count = 0;
}
