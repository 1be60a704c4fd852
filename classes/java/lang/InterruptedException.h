// java/lang/InterruptedException
#pragma once
#include "java/lang/Exception.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(InterruptedException, Exception)
}  // namespace java::lang
