// java/lang/RuntimeException
#include "java/lang/RuntimeException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(RuntimeException, Exception, "java/lang/RuntimeException")
}  // namespace java::lang
