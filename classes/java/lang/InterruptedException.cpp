// java/lang/InterruptedException
#include "java/lang/InterruptedException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(InterruptedException, Exception, "java/lang/InterruptedException")
}  // namespace java::lang
