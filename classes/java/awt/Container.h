// java/awt/Container
#pragma once
#include "java/awt/Component.h"

namespace java::awt {

struct Container {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint ncomponents;
    Ref component;  // Component[], grown by 5
    Ref layoutMgr;  // java/awt/LayoutManager or null
  };
  JAVA_FIELDS(Component)

  static inline Method<Ref(Ref)> m_getInsets{"getInsets()", &klass};
  static inline Method<void(Ref, Ref, Ref, jint)> m_addImpl{
      "addImpl(Ljava/awt/Component;Ljava/lang/Object;I)", &klass};
  static inline Method<void(Ref, jint)> m_remove{"remove(I)", &klass};
  // Called on each enclosing container, from the window down, with g in that container's
  // coordinates, when a Graphics is made for a component inside it: a scrolling container
  // clips g to its viewport here (and may move it by its scroll offsets).
  static inline Method<void(Ref, Ref)> m_clipToViewport{"clipToViewport(Ljava/awt/Graphics;)",
                                                        &klass};

  static void init(Ref self);
  static jint getComponentCount(Ref self);
  static Ref getComponent(Ref self, jint n);
  static jint getComponentIndex(Ref self, Ref comp);  // -1 if absent
  static Ref add(Ref self, Ref comp);
  static void add(Ref self, Ref comp, Ref constraints);
  static void addImpl(Ref self, Ref comp, Ref constraints, jint index);
  static void remove(Ref self, jint index);
  static void removeComponent(Ref self, Ref comp);  // remove(Component)
  static void removeAll(Ref self);
  static Ref getLayout(Ref self);
  static void setLayout(Ref self, Ref mgr);
  static Ref getInsets(Ref self);
  static Ref getPreferredSize(Ref self);
  static Ref getComponentAt(Ref self, jint x, jint y);
  static void addNotify(Ref self);
  static void validate(Ref self);
  static void validateAndRepaint(Ref self);
  static void paintAll(Ref self, Ref g);
  static void update(Ref self, Ref g);
  static jbool isFocusTraversable(Ref self);
  static void clipToViewport(Ref self, Ref g);
};

}  // namespace java::awt
