// java/lang/ClassCastException
#include "java/lang/ClassCastException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(ClassCastException, RuntimeException, "java/lang/ClassCastException")
}  // namespace java::lang
