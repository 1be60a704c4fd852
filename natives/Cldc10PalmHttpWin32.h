// Cldc10PalmHttpWin32: the HTTP entry points, present but not implemented.
#pragma once
#include "runtime/rt.h"

// Each tests its references in order (error 1 for the first null one, result 0), then
// reports error 18, "Method not implemented", with the result shown; h3 and h4 test
// nothing, report nothing and give 0.
void http_h1(Ref self);                       // none
void http_h2(Ref self);                       // none
jint http_h3();                               // 0, no error
jint http_h4();                               // 0, no error
jint http_h5(Ref self);                       // 0
jint http_h6(Ref self, jint arg, Ref third);  // 0; the second argument is not tested
void http_h7(Ref self);                       // none
