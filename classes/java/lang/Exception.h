// java/lang/Exception
#pragma once
#include "java/lang/Throwable.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(Exception, Throwable)
}  // namespace java::lang
