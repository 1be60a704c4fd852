// java/lang/NegativeArraySizeException
#include "java/lang/NegativeArraySizeException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(NegativeArraySizeException, RuntimeException, "java/lang/NegativeArraySizeException")
}  // namespace java::lang
