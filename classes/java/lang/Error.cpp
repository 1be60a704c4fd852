// java/lang/Error
#include "java/lang/Error.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(Error, Throwable, "java/lang/Error")
}  // namespace java::lang
