// Errors: the pending error code, the error table, throwing, fatal and uncaught reports.
#include <string>

#include "runtime/rt.h"
#include "threads/coop.h"

struct ErrorRow {
  const char* message;
  const char* className;
};

static const ErrorRow kErrors[RT_ERROR_COUNT] = {
    {nullptr, nullptr},
    {nullptr, "java/lang/NullPointerException"},
    {nullptr, "java/lang/ClassCastException"},
    {nullptr, "java/lang/ClassNotFoundException"},
    {nullptr, "java/lang/IllegalArgumentException"},
    {"Division by zero", "java/lang/ArithmeticException"},
    {nullptr, "java/lang/IndexOutOfBoundsException"},
    {nullptr, "java/lang/NegativeArraySizeException"},
    {nullptr, "java/lang/ArrayIndexOutOfBoundsException"},
    {nullptr, "java/lang/StringIndexOutOfBoundsException"},
    {nullptr, "java/lang/NumberFormatException"},
    {nullptr, "java/lang/InterruptedException"},
    {"Server socket error", "java/io/IOException"},
    {"Socket error", "java/io/IOException"},
    {"Datagram socket error", "java/io/IOException"},
    {"Arithmentic error", "java/lang/ArithmeticException"},  // spelled as users have seen it
    {nullptr, "java/lang/OutOfMemoryError"},
    {"Array element size mismatch", "java/lang/RuntimeException"},
    {"Method not implemented", "java/lang/RuntimeException"},
    {"Object heap corrupted", "java/lang/RuntimeException"},
    {"Internal error", "java/lang/RuntimeException"},
    {"Unknown error", "java/lang/RuntimeException"},
};

static int32_t g_error = ERR_NONE;
static int32_t g_error_line = -1;

/* ---------------------------------------------------------------------------
 * Pending error
 * ------------------------------------------------------------------------- */

void rt_set_error(int32_t code, int32_t line) {
  g_error = code;
  g_error_line = line;
}

int32_t rt_take_error() {
  int32_t code = g_error;
  g_error = ERR_NONE;
  return code;
}

int32_t rt_error_line() { return g_error_line; }

static const ErrorRow& row(int32_t code) {
  return kErrors[(code < 0 || code >= RT_ERROR_COUNT) ? ERR_UNKNOWN : code];
}

const char* rt_error_message(int32_t code) { return row(code).message; }

int16_t rt_error_class(int32_t code) { return rt_class_index_by_name(row(code).className); }

/* ---------------------------------------------------------------------------
 * Throwing
 * ------------------------------------------------------------------------- */

void rt_throw_error(int32_t code) {
  const char* message = rt_error_message(code);
  int16_t cls = rt_error_class(code);
  if (cls < 0) rt_fatal("Exception class not found.");
  Ref volatile obj = rt_new_object(cls);
  Ref volatile text = message ? rt_new_string(message) : nullptr;
  auto ctor = reinterpret_cast<void (*)(Ref, Ref)>(rt_record(cls)->extra);
  if (!ctor) rt_fatal("Required constructor of throwable object not found.");
  ctor(obj, text);
  rt_throw(obj);
}

void rt_throw(Ref exception) {
  if (!exception) rt_throw_error(ERR_NULL_POINTER);
  throw JavaThrow(exception);
}

/* ---------------------------------------------------------------------------
 * Thrown objects in flight stay reachable
 * ------------------------------------------------------------------------- */

static JavaThrow* g_in_flight;

JavaThrow::JavaThrow(Ref obj) : obj_(obj), prev_(nullptr), next_(g_in_flight) {
  if (next_) next_->prev_ = this;
  g_in_flight = this;
}

JavaThrow::JavaThrow(const JavaThrow& other) : JavaThrow(other.obj_) {}

JavaThrow::~JavaThrow() {
  if (prev_)
    prev_->next_ = next_;
  else
    g_in_flight = next_;
  if (next_) next_->prev_ = prev_;
}

void rt_scan_in_flight(void (*visit)(uintptr_t*, void*), void* ctx) {
  for (JavaThrow* t = g_in_flight; t; t = t->next_)
    visit(reinterpret_cast<uintptr_t*>(&t->obj_), ctx);
}

/* ---------------------------------------------------------------------------
 * Reports that end the calling thread
 * ------------------------------------------------------------------------- */

// Shows the report, then parks the thread: it yields for ever and never finishes. The text
// is freed first: a parked frame is never unwound.
[[noreturn]] static void report_and_park(std::string text) {
  host_fatal_display(text.c_str());
  std::string().swap(text);
  for (;;) coop_yield();
}

void rt_fatal(const char* text) { report_and_park(std::string("Fatal error: ") + text); }

void rt_uncaught(Ref exception) {
  std::string text = "Uncaught exception: ";
  text += exception ? rt_record(rt_class_of(exception))->name : "no further information";
  report_and_park(std::move(text));
}
