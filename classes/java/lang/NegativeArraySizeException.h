// java/lang/NegativeArraySizeException
#pragma once
#include "java/lang/RuntimeException.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(NegativeArraySizeException, RuntimeException)
}  // namespace java::lang
