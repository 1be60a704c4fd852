// java/util/NoSuchElementException
#pragma once
#include "java/lang/RuntimeException.h"

namespace java::util {
JAVA_EXCEPTION_CLASS(NoSuchElementException, java::lang::RuntimeException)
}  // namespace java::util
