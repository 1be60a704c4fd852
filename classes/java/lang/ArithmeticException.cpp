// java/lang/ArithmeticException
#include "java/lang/ArithmeticException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(ArithmeticException, RuntimeException, "java/lang/ArithmeticException")
}  // namespace java::lang
