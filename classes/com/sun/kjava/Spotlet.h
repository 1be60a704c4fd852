// com/sun/kjava/Spotlet
#pragma once
#include "java/lang/Object.h"

namespace com::sun::kjava {

// Base of every application screen. The registered spotlet gets the host's input, read
// by the one event thread (Spotlet$1) that the class initialiser starts.
struct Spotlet {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    Ref eventConnection;  // javax/microedition/io/InputConnection on "events:"
    Ref eventInput;       // java/io/DataInput from it
    Ref current;          // the registered spotlet, or null
  };
  JAVA_STATICS

  static constexpr jint NO_EVENT_OPTIONS = 0;
  static constexpr jint WANT_SYSTEM_KEYS = 1;

  static inline Method<void(Ref, jint, Ref)> m_dispatch{"dispatch(ILjava/io/DataInput;)", &klass};
  static inline Method<void(Ref, jint, Ref)> m_unknownEvent{"unknownEvent(ILjava/io/DataInput;)",
                                                            &klass};
  static inline Method<void(Ref, jint)> m_register{"register(I)", &klass};
  static inline Method<void(Ref)> m_unregister{"unregister()", &klass};
  static Operations unregistering;  // unregister(): only programs that name it carry it
  static inline Method<void(Ref, jint, jint)> m_penDown{"penDown(II)", &klass};
  static inline Method<void(Ref, jint, jint)> m_penUp{"penUp(II)", &klass};
  static inline Method<void(Ref, jint, jint)> m_penMove{"penMove(II)", &klass};
  static inline Method<void(Ref, jint)> m_keyDown{"keyDown(I)", &klass};
  static inline Method<void(Ref, Ref)> m_beamReceive{"beamReceive([B)", &klass};

  static void staticInit();
  static void init(Ref self);
  static void dispatch(Ref self, jint event, Ref in);
  static void unknownEvent(Ref self, jint event, Ref in);
  static void register_(Ref self, jint eventOptions);  // register(int): a C++ keyword
  static void unregister(Ref self);
  static void penDown(Ref self, jint x, jint y);
  static void penUp(Ref self, jint x, jint y);
  static void penMove(Ref self, jint x, jint y);
  static void keyDown(Ref self, jint keyCode);
  static void beamReceive(Ref self, Ref data);

  // What the event thread reads.
  static Ref eventInput();
  static Ref current();
};

}  // namespace com::sun::kjava
