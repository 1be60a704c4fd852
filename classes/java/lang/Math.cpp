// java/lang/Math
#include "java/lang/Math.h"

namespace java::lang {

ClassDecl Math::klass = {
    .name = "java/lang/Math",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
};

// The smallest value is its own absolute value, as the language wraps.
jint Math::abs(jint a) { return a < 0 ? static_cast<jint>(0u - static_cast<uint32_t>(a)) : a; }
jlong Math::abs(jlong a) { return a < 0 ? static_cast<jlong>(0ull - static_cast<uint64_t>(a)) : a; }
jint Math::max(jint a, jint b) { return a >= b ? a : b; }
jlong Math::max(jlong a, jlong b) { return a >= b ? a : b; }
jint Math::min(jint a, jint b) { return a <= b ? a : b; }
jlong Math::min(jlong a, jlong b) { return a <= b ? a : b; }

}  // namespace java::lang
