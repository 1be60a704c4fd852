// java/lang/Runtime
#include "java/lang/Runtime.h"

#include "java/lang/system_natives.h"

namespace java::lang {

ClassDecl Runtime::klass = {
    .name = "java/lang/Runtime",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Runtime::staticInit,
    .defaultCtor = &Runtime::init,
    .staticWords = JAVA_STATIC_WORDS,
};

void Runtime::staticInit() { S().currentRuntime = jnew<Runtime>(); }

void Runtime::init(Ref self) { Object::init(self); }

Ref Runtime::getRuntime() {
  clinit<Runtime>();
  return S().currentRuntime;
}

// Asks the host to close the device window and returns; the program ends when the host's
// loop sees the quit message.
void Runtime::exit(Ref self, jint status) { native(sys_exit, nn(self), status); }

jlong Runtime::freeMemory(Ref self) { return native(sys_free_memory, nn(self)); }

jlong Runtime::totalMemory(Ref self) { return native(sys_total_memory, nn(self)); }

void Runtime::gc(Ref self) {
  nn(self);
  rt_collect();
}

}  // namespace java::lang
