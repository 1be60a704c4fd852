// Test harness: a program with its own class list, run as the head thread.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "class_code.h"
#include "coop_test.h"
#include "threads/coop.h"

// What the host hooks saw.
struct HostLog {
  std::vector<std::string> fatals;
  std::vector<std::string> released;
  int nativesStarted = 0;
  int nativesStopped = 0;
  bool failNatives = false;
};
extern HostLog host_log;

// The classes every test program carries, in class-index order, then `extra`.
std::vector<ClassDecl*> core_classes(std::vector<ClassDecl*> extra = {});

// Builds the program, starts the runtime and the thread package, runs body as the head
// thread, then tears both down. Java references must live in frames below body.
void run_program(const std::vector<ClassDecl*>& classes, const std::function<void()>& body);

// Yields from the calling thread until pred() holds or `rounds` yields have passed.
bool yield_until(const std::function<bool()>& pred, int rounds = 1000);

// Number of records in the thread list.
int thread_count();

// Java text of a String reference.
std::string text(Ref s);

// The class name and message of the Java exception fn throws; empty class when none.
struct Thrown {
  std::string cls;
  std::string message;
};
Thrown catch_java(const std::function<void()>& fn);

// Runs fn on a thread of its own until it ends or reports; gives the fatal texts shown.
std::vector<std::string> fatal_on_thread(const std::function<void()>& fn);
