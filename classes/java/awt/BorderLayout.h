// java/awt/BorderLayout
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

struct BorderLayout {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref center;
    Ref south;
    Ref east;
    Ref north;
    Ref west;
  };
  JAVA_FIELDS(java::lang::Object)

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

  static void init(Ref self);
  static void addLayoutComponent(Ref self, Ref name, Ref comp);
  static void removeLayoutComponent(Ref self, Ref comp);
  static Ref preferredLayoutSize(Ref self, Ref target);
  static Ref minimumLayoutSize(Ref self, Ref target);
  static void layoutContainer(Ref self, Ref target);
};

}  // namespace java::awt
