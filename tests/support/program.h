// What every test program shares: one way to run a program (the runtime and the threads
// started on a class list, the body run as the head thread, both shut down after), the log
// of the host hook doubles, and small helpers over threads and Java values.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "class_code.h"
#include "runtime/rt.h"
#include "threads/coop.h"

// What the doubles of the host's hooks and system natives saw (host_doubles.cpp).
struct HostLog {
  std::vector<std::string> fatals;    // fatal reports, in order
  std::vector<std::string> released;  // class names of freed objects, in order
  int nativesStarted = 0, nativesStopped = 0;
  bool fatalThrows = false;  // a fatal report throws FatalReport instead of parking the thread
  std::u16string console;    // every con_write_char
  std::vector<jint> exits;   // every System.exit status
  bool colour = true;        // the colour depth property is "8" when on, null when off
};
extern HostLog host_log;
struct FatalReport {
  std::string text;
};

// Builds the program, starts the runtime and the thread package, gives the head thread its
// Thread object (allocated, not constructed), runs body as the head thread, then shuts both
// down. host_log is reset first, but for fatalThrows and colour. Java references must live
// in frames below body.
void run_program(const std::vector<ClassDecl*>& classes, const std::function<void()>& body);
// The same, every class initialised in index order first, as a program's main thread does.
void run_initialised_program(const std::vector<ClassDecl*>& classes,
                             const std::function<void()>& body);
// The core library's classes plus `extra`, initialised.
void run_library(const std::function<void()>& body, std::vector<ClassDecl*> extra = {});
// A test whose body runs as the head thread of the library's program.
#define LIBRARY_TEST(suite, name)                     \
  void suite##_##name();                              \
  TEST(suite, name) { run_library(&suite##_##name); } \
  void suite##_##name()

// A plain cooperative thread running fn. Threads share nothing on the stack: a thread
// that writes into another thread's frame writes into memory that the other thread's
// saved copy overwrites, so state shared between threads must live in globals or the heap.
ThreadRecord* spawn(std::function<void()> fn);
// Yields from the calling thread until pred() holds or `rounds` yields have passed.
bool yield_until(const std::function<bool()>& pred, int rounds = 1000);
// Gives every other thread `rounds` turns.
void pump(int rounds = 100);
// Number of records in the thread list.
int thread_count();
// Zeroes the unused stack below the caller, so stale words in dead frames cannot act as
// roots across a collection the test expects to free something.
void scrub_stack();

// A native call's result with the error it left, to compare with want(result, error).
template <class T>
std::pair<T, int32_t> took(T result) {
  return {result, rt_take_error()};
}
template <class T>
std::pair<T, int32_t> want(T result, int32_t error = ERR_NONE) {
  return {result, error};
}

// The text of a String, each char as its low byte; "<null>" for null.
std::string text(Ref s);
// The chars of a String.
std::u16string chars(Ref s);
// A String of any 16-bit chars; with offset and count (-1: the rest), a part of its array,
// as a substring may be.
Ref jstr16(const std::u16string& chars, jint offset = 0, jint count = -1);
// A byte array of these bytes, and the bytes of one.
Ref byte_array(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> array_bytes(Ref array);

// The class name and message ("<null>" for none) of the Java exception fn throws; an empty
// class when it throws none.
struct Thrown {
  std::string cls;
  std::string message;
};
Thrown catch_java(const std::function<void()>& fn);
// The same as one line: "class: message", "class" without a message, or "no exception".
std::string thrown(const std::function<void()>& fn);
// Leading parts of what thrown() gives, to be followed by the rest of the text.
#define RTE "java/lang/RuntimeException: "
#define SIOOBE "java/lang/StringIndexOutOfBoundsException: String index out of range: "
#define NFE "java/lang/NumberFormatException: "
#define IOE "java/io/IOException: "
#define IAE "java/lang/IllegalArgumentException: "
#define NPE "java/lang/NullPointerException"
#define AIOOBE "java/lang/ArrayIndexOutOfBoundsException"

// Runs fn on a thread of its own until it ends or reports; gives the fatal texts shown.
std::vector<std::string> fatal_on_thread(const std::function<void()>& fn);
