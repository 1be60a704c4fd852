// Invariant checks: compiled in where PALM_ASSERTS is defined (the dev and sanitizer
// builds), so that every test run checks them; release builds leave them out.
#pragma once

#ifdef PALM_ASSERTS
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void palm_assert_failed(const char* what, const char* file, int line) {
  fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
  abort();
}
#define PALM_ASSERT(c) ((c) ? (void)0 : palm_assert_failed(#c, __FILE__, __LINE__))
#else
#define PALM_ASSERT(c) ((void)0)
#endif
