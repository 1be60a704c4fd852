// java/awt/TooManyListenersException
#pragma once
#include "java/lang/RuntimeException.h"

namespace java::awt {
JAVA_EXCEPTION_CLASS(TooManyListenersException, java::lang::RuntimeException)
}  // namespace java::awt
