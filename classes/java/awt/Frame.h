// java/awt/Frame
#pragma once
#include "java/awt/Window.h"

namespace java::awt {

struct Frame {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref title;
    Ref menuBar;  // java/awt/MenuBar
  };
  JAVA_FIELDS(Window)

  static void init(Ref self);
  static void init(Ref self, Ref title);
  static Ref getTitle(Ref self);
  static void setTitle(Ref self, Ref title);
  static Ref getMenuBar(Ref self);
  static void setMenuBar(Ref self, Ref mb);
  static Ref getInsets(Ref self);
  static Ref getPreferredSize(Ref self);
  static void paint(Ref self, Ref g);
  static void activate(Ref self, Ref e);
};

}  // namespace java::awt
