// java/awt/Dialog
#pragma once
#include "java/awt/Window.h"

namespace java::awt {

// A modal dialog shown on the dispatch thread hands dispatching to a new thread and holds
// its caller in setVisible(true) until it is hidden.
struct Dialog {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref title;
    jbool modal;
    Ref blockedThread;  // java/awt/KawtThread waiting in show
  };
  JAVA_FIELDS(Window)

  static void init(Ref self, Ref owner);
  static void init(Ref self, Ref owner, jbool modal);
  static void init(Ref self, Ref owner, Ref title);
  static void init(Ref self, Ref owner, Ref title, jbool modal);
  static Ref getTitle(Ref self);
  static void setTitle(Ref self, Ref title);
  static jbool isModal(Ref self);
  static void setModal(Ref self, jbool modal);
  static Ref getInsets(Ref self);
  static Ref getPreferredSize(Ref self);
  static void paint(Ref self, Ref g);
  static void setVisible(Ref self, jbool visible);
};

}  // namespace java::awt
