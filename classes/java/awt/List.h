// java/awt/List
#pragma once
#include "java/awt/Component.h"

namespace java::awt {

// A scrolling list of items shown by their toString. It also serves as the popup list of a
// Choice and of a Menu; select() then closes the popup instead of reporting an item event.
struct List {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref items;  // java/util/Vector
    jint selected;
    jint highlighted;  // the row under the pen or the keyboard cursor
    Ref choice;        // java/awt/Choice owning this list, or null
    Ref menu;          // java/awt/Menu owning this list, or null
    Ref scroll;        // java/awt/ScrollManager
    Ref itemListener;
    jint itemWidth;  // the widest item's text width + 7
  };
  JAVA_FIELDS(Component)

  static constexpr jint BORDER = 1;  // look-and-feel border style
  static constexpr jint MAX_HEIGHT = 100;

  static void init(Ref self);
  static jint getItemCount(Ref self);
  static Ref getItem(Ref self, jint index);
  static void add(Ref self, Ref item);
  static void add(Ref self, Ref item, jint index);
  static void removeAll(Ref self);
  static jint getSelectedIndex(Ref self);
  static Ref getSelectedItem(Ref self);
  static void select(Ref self, jint index);
  static void addItemListener(Ref self, Ref l);
  static void removeItemListener(Ref self, Ref l);
  static Ref getPreferredSize(Ref self);
  static void validate(Ref self);
  static void paint(Ref self, Ref g);
  static Ref getComponentAt(Ref self, jint x, jint y);
  static void dispatchKeyEvent(Ref self, Ref e);
  static void dispatchMouseEvent(Ref self, Ref e);
  // Moves the keyboard cursor to `row` (-1 clears it), scrolls it into view, repaints.
  static void highlight(Ref self, jint row);
};

}  // namespace java::awt
