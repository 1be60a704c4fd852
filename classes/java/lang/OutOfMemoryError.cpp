// java/lang/OutOfMemoryError
#include "java/lang/OutOfMemoryError.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(OutOfMemoryError, VirtualMachineError, "java/lang/OutOfMemoryError")
}  // namespace java::lang
