// java/io/IOException
#include "java/io/IOException.h"

namespace java::io {
JAVA_EXCEPTION_BODY(IOException, java::lang::Exception, "java/io/IOException")
}  // namespace java::io
