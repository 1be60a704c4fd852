// java/lang/Error
#pragma once
#include "java/lang/Throwable.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(Error, Throwable)
}  // namespace java::lang
