// java/lang/VirtualMachineError
#pragma once
#include "java/lang/Error.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(VirtualMachineError, Error)
}  // namespace java::lang
