// java/lang/IndexOutOfBoundsException
#include "java/lang/IndexOutOfBoundsException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(IndexOutOfBoundsException, RuntimeException, "java/lang/IndexOutOfBoundsException")
}  // namespace java::lang
