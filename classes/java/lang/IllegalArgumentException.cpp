// java/lang/IllegalArgumentException
#include "java/lang/IllegalArgumentException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(IllegalArgumentException, RuntimeException, "java/lang/IllegalArgumentException")
}  // namespace java::lang
