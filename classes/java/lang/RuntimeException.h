// java/lang/RuntimeException
#pragma once
#include "java/lang/Exception.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(RuntimeException, Exception)
}  // namespace java::lang
