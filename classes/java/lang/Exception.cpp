// java/lang/Exception
#include "java/lang/Exception.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(Exception, Throwable, "java/lang/Exception")
}  // namespace java::lang
