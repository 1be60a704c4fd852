// java/lang/NullPointerException
#pragma once
#include "java/lang/RuntimeException.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(NullPointerException, RuntimeException)
}  // namespace java::lang
