// java/lang/Throwable, and the shape shared by every exception and error class.
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct Throwable {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref detailMessage;
  };
  JAVA_FIELDS(Object)

  static inline Method<Ref(Ref)> m_getMessage{"getMessage()", &klass};

  static void init(Ref self);
  static void init(Ref self, Ref message);
  static Ref getMessage(Ref self);
  static Ref toString(Ref self);
};

}  // namespace java::lang

// An exception class that adds nothing to its superclass but its two constructors.
#define JAVA_EXCEPTION_CLASS(Name, Super)    \
  struct Name {                              \
    static ClassDecl klass;                  \
    JAVA_NO_FIELDS(Super)                    \
    static void init(Ref self);              \
    static void init(Ref self, Ref message); \
  };

// Its definition: both constructors chain to the superclass; the String one is the
// constructor the runtime uses to throw error codes.
#define JAVA_EXCEPTION_BODY(Name, Super, JavaName)                                      \
  void Name::init(Ref self) { Super::init(self); }                                      \
  void Name::init(Ref self, Ref message) { Super::init(self, message); }                \
  ClassDecl Name::klass = {                                                             \
      .name = JavaName,                                                                 \
      .super = &Super::klass,                                                           \
      .instanceSize = JAVA_INSTANCE_SIZE_OF(Name),                                      \
      .defaultCtor = &Name::init,                                                       \
      .ctor1 = reinterpret_cast<void*>(static_cast<void (*)(Ref, Ref)>(&Name::init)),   \
  };

#define JAVA_INSTANCE_SIZE_OF(C) (RT_HEADER_SIZE + C::kEnd)
