// java/awt/event/ItemListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

struct ItemListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_itemStateChanged{
      "itemStateChanged(Ljava/awt/event/ItemEvent;)", &klass};
};

}  // namespace java::awt::event
