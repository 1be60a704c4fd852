// java/awt/KawtThread
#pragma once
#include "java/lang/Thread.h"

namespace java::awt {

// The dispatch thread: all component code runs here, one command at a time. Posting waits
// (yielding) until the command is done.
struct KawtThread {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref target;
    Ref event;
    jint command;
    Ref runnable;  // java/lang/Runnable for RUN
    Ref failure;   // the throwable the last command ended with, until postEvent throws it
  };
  JAVA_FIELDS(java::lang::Thread)

  static constexpr jint IDLE = 0;
  static constexpr jint KEY = 107;
  static constexpr jint MOUSE = 109;
  static constexpr jint RUN = 114;
  static constexpr jint LEAVE = 120;
  static constexpr jint LEFT = 121;

  static void init(Ref self);
  static void post(Ref self, jint command, Ref target, Ref event);
  static void run(Ref self);
  // Holds the calling thread until the modal dialog is hidden (Dialog.setVisible).
  static void waitForModal(Ref dialog);
  static void releaseModal(Ref dialog);
  // Moves the focus from c to the next (forward) or previous traversable component.
  static void traverseFocus(Ref c, jbool forward);
  static jbool isDispatchThread(Ref thread);
};

}  // namespace java::awt
