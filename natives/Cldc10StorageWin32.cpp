// Cldc10StorageWin32 native module: storage-interface entry points that only refuse.
#include "natives/Cldc10StorageWin32.h"

#include "natives/modules.h"

int Cldc10StorageWin32_start() { return 1; }
void Cldc10StorageWin32_stop() {}

jlong storage_s1(Ref self) { return stub_refuse({self}), 0; }
jint storage_s2(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
jint storage_s3(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
void storage_s4(Ref self) { stub_refuse({self}); }
jint storage_s5(Ref self) { return stub_refuse({self}), 0; }
jint storage_s6(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
Ref storage_s7(Ref self, Ref a) { return stub_refuse({self, a}) ? a : nullptr; }
Ref storage_s8(Ref self, Ref a, Ref b) { return stub_refuse({self, a, b}) ? b : nullptr; }
Ref storage_s9(Ref self, Ref a, Ref b) { return stub_refuse({self, a, b}) ? b : nullptr; }
jint storage_s10(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
Ref storage_s11(Ref self, Ref a) { return stub_refuse({self, a}) ? a : nullptr; }
Ref storage_s12(Ref self, Ref a, Ref b) { return stub_refuse({self, a, b}) ? b : nullptr; }
Ref storage_s13(Ref self, Ref a, Ref b) { return stub_refuse({self, a, b}) ? b : nullptr; }
jlong storage_s14(Ref self) { return stub_refuse({self}), 0; }
jint storage_s15(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
jlong storage_s16(Ref self) { return stub_refuse({self}), 0; }
jint storage_s17(Ref self) { return stub_refuse({self}), 0; }
jint storage_s18(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
void storage_s19(Ref self, Ref a) { stub_refuse({self, a}); }
jint storage_s20(Ref self, Ref a, Ref b) { return stub_refuse({self, a, b}), 0; }
void storage_s21(Ref self) { stub_refuse({self}); }
jint storage_s22(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
jint storage_s23(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
jlong storage_s24(Ref self, Ref a) { return stub_refuse({self, a}), 0; }
void storage_s25(Ref self) { stub_refuse({self}); }
void storage_s26(Ref self, Ref a) { stub_refuse({self, a}); }
