// java/awt/FlowLayout
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// Left-aligned rows, 2 pixels apart; one shared instance serves every container.
struct FlowLayout {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    Ref shared;
  };
  JAVA_STATICS

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

  static void staticInit();
  static void init(Ref self);
  static Ref shared();
  static void addLayoutComponent(Ref self, Ref name, Ref comp);
  static void removeLayoutComponent(Ref self, Ref comp);
  static Ref preferredLayoutSize(Ref self, Ref target);
  static Ref minimumLayoutSize(Ref self, Ref target);
  static void layoutContainer(Ref self, Ref target);
};

}  // namespace java::awt
