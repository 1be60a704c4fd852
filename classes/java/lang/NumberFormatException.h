// java/lang/NumberFormatException
#pragma once
#include "java/lang/IllegalArgumentException.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(NumberFormatException, IllegalArgumentException)
}  // namespace java::lang
