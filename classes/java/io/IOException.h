// java/io/IOException
#pragma once
#include "java/lang/Exception.h"

namespace java::io {
JAVA_EXCEPTION_CLASS(IOException, java::lang::Exception)
}  // namespace java::io
