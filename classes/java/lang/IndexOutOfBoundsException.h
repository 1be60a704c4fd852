// java/lang/IndexOutOfBoundsException
#pragma once
#include "java/lang/RuntimeException.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(IndexOutOfBoundsException, RuntimeException)
}  // namespace java::lang
