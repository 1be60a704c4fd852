// javax/microedition/rms/RecordStoreException
#pragma once
#include "java/lang/Exception.h"

namespace javax::microedition::rms {
JAVA_EXCEPTION_CLASS(RecordStoreException, java::lang::Exception)
}  // namespace javax::microedition::rms

// A record-store exception that has only its constructor without arguments.
#define RMS_EXCEPTION_CLASS(Name)                  \
  struct Name {                                    \
    static ClassDecl klass;                        \
    JAVA_NO_FIELDS(RecordStoreException)           \
    static void init(Ref self);                    \
  };

#define RMS_EXCEPTION_BODY(Name, JavaName)                        \
  void Name::init(Ref self) { RecordStoreException::init(self); } \
  ClassDecl Name::klass = {                                       \
      .name = JavaName,                                           \
      .super = &RecordStoreException::klass,                      \
      .instanceSize = JAVA_INSTANCE_SIZE_OF(Name),                \
      .defaultCtor = &Name::init,                                 \
  };
