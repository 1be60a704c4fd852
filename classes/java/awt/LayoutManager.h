// java/awt/LayoutManager
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// An implementing class names these slots in its method list.
struct LayoutManager {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref, Ref)> m_addLayoutComponent{
      "addLayoutComponent(Ljava/lang/String;Ljava/awt/Component;)", &klass};
  static inline Method<void(Ref, Ref)> m_removeLayoutComponent{
      "removeLayoutComponent(Ljava/awt/Component;)", &klass};
  static inline Method<Ref(Ref, Ref)> m_preferredLayoutSize{
      "preferredLayoutSize(Ljava/awt/Container;)", &klass};
  static inline Method<Ref(Ref, Ref)> m_minimumLayoutSize{"minimumLayoutSize(Ljava/awt/Container;)",
                                                          &klass};
  static inline Method<void(Ref, Ref)> m_layoutContainer{"layoutContainer(Ljava/awt/Container;)",
                                                         &klass};
};

}  // namespace java::awt
