// java/util/NoSuchElementException
#include "java/util/NoSuchElementException.h"

namespace java::util {
JAVA_EXCEPTION_BODY(NoSuchElementException, java::lang::RuntimeException, "java/util/NoSuchElementException")
}  // namespace java::util
