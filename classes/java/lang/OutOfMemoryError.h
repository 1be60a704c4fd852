// java/lang/OutOfMemoryError
#pragma once
#include "java/lang/VirtualMachineError.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(OutOfMemoryError, VirtualMachineError)
}  // namespace java::lang
