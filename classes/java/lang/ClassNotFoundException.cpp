// java/lang/ClassNotFoundException
#include "java/lang/ClassNotFoundException.h"

namespace java::lang {
JAVA_EXCEPTION_BODY(ClassNotFoundException, Exception, "java/lang/ClassNotFoundException")
}  // namespace java::lang
