// A run in process that must end cleanly: status 0, no message box.
#include <gtest/gtest.h>

#include "in_process.h"

void run_cleanly(std::vector<ClassDecl*> (*classes)(), std::function<void()> body) {
  InProcessResult r = run_in_process({.classes = classes, .body = std::move(body)});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.boxes, std::vector<std::string>{});
}
