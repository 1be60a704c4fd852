// java/lang/VirtualMachineError
#include "java/lang/VirtualMachineError.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(VirtualMachineError, Error, "java/lang/VirtualMachineError")
}  // namespace java::lang
