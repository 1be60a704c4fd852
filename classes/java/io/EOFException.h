// java/io/EOFException
#pragma once
#include "java/io/IOException.h"

namespace java::io {
JAVA_EXCEPTION_CLASS(EOFException, IOException)
}  // namespace java::io
