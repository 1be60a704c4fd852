// Host natives that class code calls: events, drawing, text and bitmaps, console, system.
// Each native that can fail clears the pending error on entry and records at most one
// error code; the calling class code takes it (rt_take_error) and throws.
#pragma once

#include "runtime/rt.h"

// ---------------------------------------------------------------------------
// Event queue: kind words 1 pen down, 2 pen up, 3 pen move (then x, y), 4 key (then code)
// ---------------------------------------------------------------------------

enum { EVT_PEN_DOWN = 1, EVT_PEN_UP = 2, EVT_PEN_MOVE = 3, EVT_KEY = 4 };

jint evt_open(Ref stream);
jint evt_close(Ref stream);
jint evt_read(Ref stream);                   // the oldest word, or -1
jint evt_read_bytes(Ref stream, Ref bytes);  // always 0
void evt_set_options(jint options);          // 1 asks for the seven system buttons

// ---------------------------------------------------------------------------
// Drawing: device coordinates; mode word low 3 bits 1 black, 2 grey, 3 erase, 4 invert,
// 5 colour with red, green, blue in bits 24..31, 16..23, 8..15
// ---------------------------------------------------------------------------

enum { DRAW_BLACK = 1, DRAW_GRAY = 2, DRAW_ERASE = 3, DRAW_INVERT = 4, DRAW_COLOR = 5 };

void gfx_draw_line(jint x1, jint y1, jint x2, jint y2, jint mode);
void gfx_fill_rectangle(jint x, jint y, jint width, jint height, jint mode, jint radius);
// frame: bits 0..1 thickness, bits 8..15 corner radius
void gfx_draw_border(jint x, jint y, jint width, jint height, jint mode, jint frame);
void gfx_set_draw_region(jint x, jint y, jint width, jint height);
void gfx_reset_draw_region();
void gfx_copy_region(jint sx, jint sy, jint width, jint height, jint tx, jint ty, jint mode);
void gfx_copy_offscreen_region(jint sx, jint sy, jint width, jint height, jint tx, jint ty,
                               jint mode, jint sourceOffscreen, jint targetOffscreen);
void gfx_no_op();  // both no-op entries (class initialiser, playSound)

// Text: "" at (0, -100) turns automatic refresh off, at (0, -200) on (and repaints).
jint gfx_draw_string(Ref string, jint x, jint y, jint mode);  // the x after the text
jint gfx_string_width(Ref string);
jint gfx_string_height(Ref string);
// A palm bitmap record held in a short array (null draws nothing).
void gfx_draw_bitmap(jint x, jint y, Ref bitmap);

// ---------------------------------------------------------------------------
// Console, properties, clock, arrays, memory, exit
// ---------------------------------------------------------------------------

void con_write_line(const char* text);
void con_write_char(jint c);  // both character natives: the low 16 bits as one UTF-16 unit

const char* sys_get_property(Ref key);  // null for the null-valued keys
jlong sys_current_time_millis();
void sys_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length);
void sys_exit(Ref runtime, jint status);
jlong sys_free_memory(Ref runtime);
jlong sys_total_memory(Ref runtime);
// The three natives that are not implemented: error 1 for null, else 18.
jint sys_not_implemented(Ref object);
jint sys_not_implemented2(Ref object);
void sys_not_implemented3(Ref object);
