// java/awt/Toolkit
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// The toolkit's state, made by its class initialiser at program start, and the abstract
// platform toolkit whose implementation package is chosen by name.
struct Toolkit {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    jint colorDepth;
    jbool colorDepthSet;
    Ref windows;         // java/util/Vector of the visible windows, last = top
    Ref eventQueue;      // java/awt/EventQueue
    Ref dispatchThread;  // java/awt/KawtThread
    Ref platform;
    Ref classBase;
    Ref graphicsClass;  // java/lang/Class
    Ref toolkit;
    Ref fontMetrics;  // the default font's
    Ref laf;          // de/kawt/impl/Laf
  };
  JAVA_STATICS

  static inline Method<Ref(Ref)> m_getScreenSize{"getScreenSize()", &klass};
  static inline Method<Ref(Ref, Ref)> m_getFontMetrics{"getFontMetrics(Ljava/awt/Font;)", &klass};
  static inline Method<Ref(Ref, Ref)> m_createImage{"createImage([B)", &klass};
  static inline Method<Ref(Ref)> m_getColorModel{"getColorModel()", &klass};
  static inline Method<void(Ref)> m_beep{"beep()", &klass};
  static inline Method<void(Ref)> m_sync{"sync()", &klass};

  static void staticInit();
  static void init(Ref self);  // starts the dispatch thread
  static Ref getDefaultToolkit();
  static Ref createGraphics();  // a new java/awt/Graphics covering the screen
  static Ref getTopWindow();    // or null
  static void flush();          // the top window's damage painted, then sync
  static Ref getLaf();
  static Ref getDefaultFontMetrics();
  static Ref getSystemEventQueue(Ref self);
  static Ref getColorModel(Ref self);
  static void beep(Ref self);
  static void sync(Ref self);

  // The window stack (java/util/Vector, last = top) and the dispatch thread of the moment.
  static Ref windows();
  static Ref dispatchThread();
};

}  // namespace java::awt
