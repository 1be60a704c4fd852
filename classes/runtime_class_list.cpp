// The classes the runtime itself needs in every program.
#include "class_lists.h"
#include "java/io/IOException.h"
#include "java/lang/ArithmeticException.h"
#include "java/lang/ArrayIndexOutOfBoundsException.h"
#include "java/lang/Class.h"
#include "java/lang/ClassCastException.h"
#include "java/lang/ClassNotFoundException.h"
#include "java/lang/Error.h"
#include "java/lang/IllegalAccessException.h"
#include "java/lang/IllegalArgumentException.h"
#include "java/lang/InstantiationException.h"
#include "java/lang/InterruptedException.h"
#include "java/lang/NegativeArraySizeException.h"
#include "java/lang/NullPointerException.h"
#include "java/lang/NumberFormatException.h"
#include "java/lang/OutOfMemoryError.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/StringIndexOutOfBoundsException.h"
#include "java/lang/Thread.h"
#include "java/lang/VirtualMachineError.h"

static ClassDecl charArray = rt_array_class("[C");
static ClassDecl byteArray = rt_array_class("[B");
static ClassDecl intArray = rt_array_class("[I");
static ClassDecl objectArray = rt_array_class("[Ljava/lang/Object;");
static ClassDecl stringArray = rt_array_class("[Ljava/lang/String;");

std::vector<ClassDecl*> runtime_classes() {
  using namespace java::lang;
  return {
      &Object::klass,
      &Class::klass,
      &String::klass,
      &charArray,
      &byteArray,
      &intArray,
      &objectArray,
      &stringArray,
      &Runnable::klass,
      &Thread::klass,
      &Throwable::klass,
      &Exception::klass,
      &RuntimeException::klass,
      &Error::klass,
      &VirtualMachineError::klass,
      &OutOfMemoryError::klass,
      &ArithmeticException::klass,
      &IndexOutOfBoundsException::klass,
      &ArrayIndexOutOfBoundsException::klass,
      &StringIndexOutOfBoundsException::klass,
      &ClassCastException::klass,
      &ClassNotFoundException::klass,
      &IllegalAccessException::klass,
      &IllegalArgumentException::klass,
      &NumberFormatException::klass,
      &InstantiationException::klass,
      &InterruptedException::klass,
      &NegativeArraySizeException::klass,
      &NullPointerException::klass,
      &java::io::IOException::klass,
  };
}
