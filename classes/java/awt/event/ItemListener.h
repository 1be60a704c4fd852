// java/awt/event/ItemListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

// An implementing class names these slots in its method list.
struct ItemListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_itemStateChanged{
      "itemStateChanged(Ljava/awt/event/ItemEvent;)", &klass};
};

}  // namespace java::awt::event
