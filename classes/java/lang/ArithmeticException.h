// java/lang/ArithmeticException
#pragma once
#include "java/lang/RuntimeException.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(ArithmeticException, RuntimeException)
}  // namespace java::lang
