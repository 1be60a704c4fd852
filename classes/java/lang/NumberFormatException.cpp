// java/lang/NumberFormatException
#include "java/lang/NumberFormatException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(NumberFormatException, IllegalArgumentException, "java/lang/NumberFormatException")
}  // namespace java::lang
