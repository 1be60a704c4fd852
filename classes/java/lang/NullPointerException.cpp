// java/lang/NullPointerException
#include "java/lang/NullPointerException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(NullPointerException, RuntimeException, "java/lang/NullPointerException")
}  // namespace java::lang
