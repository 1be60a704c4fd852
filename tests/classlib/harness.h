// Test harness: the library's class list run as a program on the head thread, with the
// host hooks and host natives replaced by recording doubles (fake_host_natives.cpp).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "class_code.h"
#include "system_doubles.h"
#include "threads/coop.h"

// What the host hook doubles saw (the system natives' doubles keep system_log).
struct HostLog {
  std::vector<std::string> fatals;
  struct Released {
    std::string className;
    jint handle;
  };
  std::vector<Released> released;
};
extern HostLog host_log;

// Builds the library's table plus `extra`, starts the runtime and the thread package,
// initialises every class in index order (as a program's main thread does), runs body as
// the head thread and tears both down. Java references must live in frames below body.
void run_library(const std::function<void()>& body, std::vector<ClassDecl*> extra = {});
// The same over a class list of the test's own.
void run_program(const std::vector<ClassDecl*>& classes, const std::function<void()>& body);
// A test whose body runs as the head thread of the library's program.
#define LIBRARY_TEST(suite, name)                     \
  void suite##_##name();                              \
  TEST(suite, name) { run_library(&suite##_##name); } \
  void suite##_##name()

// The text of a String, each char as its low byte; "<null>" for null.
std::string text(Ref s);
// The chars of a String.
std::u16string chars(Ref s);
// A String with the given 16-bit chars.
Ref jstr16(const std::u16string& s);

// Runs fn and describes what it threw: the Throwable's toString() (class name, then ": "
// and the message when there is one), or "no exception".
std::string thrown(const std::function<void()>& fn);

// Leading parts of what thrown() gives, to be followed by the rest of the text.
#define RTE "java/lang/RuntimeException: "
#define SIOOBE "java/lang/StringIndexOutOfBoundsException: String index out of range: "
#define NFE "java/lang/NumberFormatException: "
#define IOE "java/io/IOException: "
#define IAE "java/lang/IllegalArgumentException: "
#define NPE "java/lang/NullPointerException"
#define AIOOBE "java/lang/ArrayIndexOutOfBoundsException"

// A byte array holding the given bytes.
Ref bytes(const std::vector<int>& values);
std::vector<int> bytes_of(Ref array);
