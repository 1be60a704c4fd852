// Cldc10StorageWin32: the storage-interface entry points, present but not implemented.
// (The record databases the programs use are the host's db_ natives.)
#pragma once
#include "runtime/rt.h"

// Each tests its references in order (error 1 for the first null one, result 0 or
// null), then reports error 18, "Method not implemented", with the result shown.
jlong storage_s1(Ref self);                  // 0
jint storage_s2(Ref self, Ref a);            // 0
jint storage_s3(Ref self, Ref a);            // 0
void storage_s4(Ref self);                   // none
jint storage_s5(Ref self);                   // 0
jint storage_s6(Ref self, Ref a);            // 0
Ref storage_s7(Ref self, Ref a);             // a
Ref storage_s8(Ref self, Ref a, Ref b);      // b
Ref storage_s9(Ref self, Ref a, Ref b);      // b
jint storage_s10(Ref self, Ref a);           // 0
Ref storage_s11(Ref self, Ref a);            // a
Ref storage_s12(Ref self, Ref a, Ref b);     // b
Ref storage_s13(Ref self, Ref a, Ref b);     // b
jlong storage_s14(Ref self);                 // 0
jint storage_s15(Ref self, Ref a);           // 0
jlong storage_s16(Ref self);                 // 0
jint storage_s17(Ref self);                  // 0
jint storage_s18(Ref self, Ref a);           // 0
void storage_s19(Ref self, Ref a);           // none
jint storage_s20(Ref self, Ref a, Ref b);    // 0
void storage_s21(Ref self);                  // none
jint storage_s22(Ref self, Ref a);           // 0
jint storage_s23(Ref self, Ref a);           // 0
jlong storage_s24(Ref self, Ref a);          // 0
void storage_s25(Ref self);                  // none
void storage_s26(Ref self, Ref a);           // none
