// java/awt/Menu
#pragma once
#include "java/awt/MenuItem.h"

namespace java::awt {

// A titled list of items that opens as a popup under its title in the menu bar.
struct Menu {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref list;   // java/awt/List of the items
    Ref popup;  // java/awt/Window, made at the first opening and reused
  };
  JAVA_FIELDS(MenuItem)

  static void init(Ref self, Ref label);
  static Ref add(Ref self, Ref item);
  static jint getItemCount(Ref self);
  static Ref getItem(Ref self, jint index);
  static void open(Ref self, jint x, jint y, jbool byKey);
  static void close(Ref self);
  static jbool isOpen(Ref self);
};

}  // namespace java::awt
