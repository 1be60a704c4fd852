// java/awt/Choice
#pragma once
#include "java/awt/Component.h"

namespace java::awt {

// Shows its selected item; the pen or an activate key opens its list in a popup window.
struct Choice {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref popup;  // java/awt/Window, made at the first opening and reused
    Ref list;   // java/awt/List owned by this choice
    Ref itemListener;
  };
  JAVA_FIELDS(Component)

  static void init(Ref self);
  static void add(Ref self, Ref item);
  static void addItem(Ref self, Ref item);
  static jint getItemCount(Ref self);
  static Ref getItem(Ref self, jint index);
  static jint getSelectedIndex(Ref self);
  static Ref getSelectedItem(Ref self);
  static void select(Ref self, jint index);
  static void addItemListener(Ref self, Ref l);
  static void removeItemListener(Ref self, Ref l);
  static Ref getPreferredSize(Ref self);
  static void paint(Ref self, Ref g);
  static void activate(Ref self, Ref e);
  // The list chose `index`: close the popup, show it, report a change.
  static void chosen(Ref self, jint index);
};

}  // namespace java::awt
