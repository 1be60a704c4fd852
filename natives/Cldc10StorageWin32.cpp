// Cldc10StorageWin32 native module: storage-interface entry points that only refuse.
#include "natives/Cldc10StorageWin32.h"

#include <initializer_list>

#include "natives/modules.h"

int Cldc10StorageWin32_start() { return 1; }
void Cldc10StorageWin32_stop() {}

// Clears the pending error, then leaves error 1 for the first missing reference or
// error 18 when all are there; true in the second case.
static bool refuse(std::initializer_list<Ref> refs) {
  rt_take_error();
  for (Ref r : refs)
    if (!r) return rt_set_error(ERR_NULL_POINTER, __LINE__), false;
  rt_set_error(ERR_NOT_IMPLEMENTED, __LINE__);
  return true;
}

jlong storage_s1(Ref self) { return refuse({self}), 0; }
jint storage_s2(Ref self, Ref a) { return refuse({self, a}), 0; }
jint storage_s3(Ref self, Ref a) { return refuse({self, a}), 0; }
void storage_s4(Ref self) { refuse({self}); }
jint storage_s5(Ref self) { return refuse({self}), 0; }
jint storage_s6(Ref self, Ref a) { return refuse({self, a}), 0; }
Ref storage_s7(Ref self, Ref a) { return refuse({self, a}) ? a : nullptr; }
Ref storage_s8(Ref self, Ref a, Ref b) { return refuse({self, a, b}) ? b : nullptr; }
Ref storage_s9(Ref self, Ref a, Ref b) { return refuse({self, a, b}) ? b : nullptr; }
jint storage_s10(Ref self, Ref a) { return refuse({self, a}), 0; }
Ref storage_s11(Ref self, Ref a) { return refuse({self, a}) ? a : nullptr; }
Ref storage_s12(Ref self, Ref a, Ref b) { return refuse({self, a, b}) ? b : nullptr; }
Ref storage_s13(Ref self, Ref a, Ref b) { return refuse({self, a, b}) ? b : nullptr; }
jlong storage_s14(Ref self) { return refuse({self}), 0; }
jint storage_s15(Ref self, Ref a) { return refuse({self, a}), 0; }
jlong storage_s16(Ref self) { return refuse({self}), 0; }
jint storage_s17(Ref self) { return refuse({self}), 0; }
jint storage_s18(Ref self, Ref a) { return refuse({self, a}), 0; }
void storage_s19(Ref self, Ref a) { refuse({self, a}); }
jint storage_s20(Ref self, Ref a, Ref b) { return refuse({self, a, b}), 0; }
void storage_s21(Ref self) { refuse({self}); }
jint storage_s22(Ref self, Ref a) { return refuse({self, a}), 0; }
jint storage_s23(Ref self, Ref a) { return refuse({self, a}), 0; }
jlong storage_s24(Ref self, Ref a) { return refuse({self, a}), 0; }
void storage_s25(Ref self) { refuse({self}); }
void storage_s26(Ref self, Ref a) { refuse({self, a}); }
