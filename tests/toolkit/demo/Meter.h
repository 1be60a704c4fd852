// Meter: the test program's tallies drawn as rows of marks, so that a script's screenshot
// can count what happened.
#pragma once
#include "java/awt/Component.h"

namespace widgets {

struct Meter {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref counts;  // char[ROWS]
  };
  JAVA_FIELDS(java::awt::Component)

  static constexpr jint ROWS = 12;
  static constexpr jint ROW_HEIGHT = 4;  // a mark is 3 x 3, then a blank line
  static constexpr jint MARK_PITCH = 4;
  static constexpr jint LEFT = 2;

  // The rows, top to bottom.
  enum Row : jint {
    OK_FIRED,
    BOLD_EVENTS,
    RADIO_EVENTS,
    LIST_EVENTS,
    CHOICE_EVENTS,
    BAR_EVENTS,
    BAR_TYPE,   // the last adjustment's type, as marks
    BAR_VALUE,  // the bar's value, as a line that many pixels long
    MENU_ACTIONS,
    MENU_ITEM,  // the last menu item chosen, counted from 1
    MODAL_RETURNS,
    DIALOGS_SHOWN,
  };

  static void init(Ref self);
  static jint get(Ref self, jint row);
  static void set(Ref self, jint row, jint value);
  static void add(Ref self, jint row);
  static void paint(Ref self, Ref g);
};

}  // namespace widgets
