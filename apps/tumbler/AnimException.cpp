// AnimException: Tumbler's own exception.
#include "AnimException.h"

namespace tumbler {
JAVA_EXCEPTION_BODY(AnimException, java::lang::Exception, "AnimException")
}  // namespace tumbler
