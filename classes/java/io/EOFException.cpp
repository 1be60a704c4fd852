// java/io/EOFException
#include "java/io/EOFException.h"

namespace java::io {
JAVA_EXCEPTION_BODY(EOFException, IOException, "java/io/EOFException")
}  // namespace java::io
