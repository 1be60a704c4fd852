// java/io/UnsupportedEncodingException
#include "java/io/UnsupportedEncodingException.h"

namespace java::io {
JAVA_EXCEPTION_BODY(UnsupportedEncodingException, IOException, "java/io/UnsupportedEncodingException")
}  // namespace java::io
