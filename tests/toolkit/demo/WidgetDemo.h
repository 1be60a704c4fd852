// WidgetDemo: the toolkit's test program. One frame with a menu bar, buttons, a check box,
// a radio group, a list, a choice and a scroll bar, a modal and a non-modal dialog; every
// event shows in the frame's title and is tallied by the Meter at the bottom.
#pragma once
#include "java/awt/Frame.h"

namespace widgets {

struct WidgetDemo {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref meter;
    Ref ok, modal, dialog;  // java/awt/Button
    Ref bold, red, blue;    // java/awt/Checkbox
    Ref list;
    Ref choice;
    Ref bar;
    Ref modalDialog, plainDialog;  // java/awt/Dialog
  };
  JAVA_FIELDS(java::awt::Frame)
  struct Statics {
    Ref frame;
  };
  JAVA_STATICS

  static void main(Ref args);
  static void init(Ref self);
  // The listener interfaces it implements.
  static void actionPerformed(Ref self, Ref e);
  static void itemStateChanged(Ref self, Ref e);
  static void adjustmentValueChanged(Ref self, Ref e);
};

}  // namespace widgets
