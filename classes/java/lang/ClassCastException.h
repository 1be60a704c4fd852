// java/lang/ClassCastException
#pragma once
#include "java/lang/RuntimeException.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(ClassCastException, RuntimeException)
}  // namespace java::lang
