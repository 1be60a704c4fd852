// java/lang/IllegalArgumentException
#pragma once
#include "java/lang/RuntimeException.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(IllegalArgumentException, RuntimeException)
}  // namespace java::lang
