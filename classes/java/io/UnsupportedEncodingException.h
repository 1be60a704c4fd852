// java/io/UnsupportedEncodingException
#pragma once
#include "java/io/IOException.h"

namespace java::io {
JAVA_EXCEPTION_CLASS(UnsupportedEncodingException, IOException)
}  // namespace java::io
