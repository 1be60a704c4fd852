// java/lang/ClassNotFoundException
#pragma once
#include "java/lang/Exception.h"

namespace java::lang {
JAVA_EXCEPTION_CLASS(ClassNotFoundException, Exception)
}  // namespace java::lang
