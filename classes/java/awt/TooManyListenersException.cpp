// java/awt/TooManyListenersException
#include "java/awt/TooManyListenersException.h"

namespace java::awt {
JAVA_EXCEPTION_BODY(TooManyListenersException, java::lang::RuntimeException,
                    "java/awt/TooManyListenersException")
}  // namespace java::awt
