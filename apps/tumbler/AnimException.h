// AnimException: Tumbler's own exception.
#pragma once
#include "java/lang/Exception.h"

namespace tumbler {
JAVA_EXCEPTION_CLASS(AnimException, java::lang::Exception)
}  // namespace tumbler
