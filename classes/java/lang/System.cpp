// java/lang/System
#include "java/lang/System.h"

#include "java/io/IOException.h"
#include "java/io/PrintStream.h"
#include "java/lang/IllegalArgumentException.h"
#include "java/lang/NullPointerException.h"
#include "java/lang/Runtime.h"
#include "java/lang/String.h"
#include "java/lang/system_natives.h"
#include "javax/microedition/io/Connector.h"

namespace java::lang {

using java::io::PrintStream;
using javax::microedition::io::Connector;

ClassDecl System::klass = {
    .name = "java/lang/System",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &System::staticInit,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::io::IOException::klass, &java::io::PrintStream::klass,
             &java::lang::IllegalArgumentException::klass, &java::lang::NullPointerException::klass,
             &java::lang::Runtime::klass, &java::lang::String::klass,
             &javax::microedition::io::Connector::klass},
};

// out and err are one PrintStream over the console connection.
void System::staticInit() {
  try {
    Ref volatile stream = jnew<PrintStream>(Connector::openOutputStream(lit("debug:")));
    S().out = stream;
    S().err = stream;
  } catch (JavaThrow& e) {
    if (!caught<java::io::IOException>(e)) throw;
    jthrow(jnew<RuntimeException>(lit("Could not open debug stream")));
  }
}

jlong System::currentTimeMillis() {
  clinit<System>();
  return native(sys_current_time_millis);
}

void System::arraycopy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length) {
  clinit<System>();
  native(sys_array_copy, src, srcPos, dst, dstPos, length);
}

jint System::identityHashCode(Ref x) {
  clinit<System>();
  return static_cast<jint>(reinterpret_cast<uintptr_t>(x));
}

Ref System::getProperty(Ref key) {
  clinit<System>();
  if (!key) jthrow(jnew<NullPointerException>(lit("key can't be null")));
  if (String::length(key) == 0) jthrow(jnew<IllegalArgumentException>(lit("key can't be empty")));
  const char* value = native(sys_get_property, key);
  return value ? lit(value) : nullptr;
}

void System::exit(jint status) {
  clinit<System>();
  Runtime::exit(Runtime::getRuntime(), status);
}

void System::gc() {
  clinit<System>();
  Runtime::gc(Runtime::getRuntime());
}

}  // namespace java::lang
