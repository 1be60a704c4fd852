// java/awt/event/AdjustmentListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

// An implementing class names these slots in its method list.
struct AdjustmentListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_adjustmentValueChanged{
      "adjustmentValueChanged(Ljava/awt/event/AdjustmentEvent;)", &klass};
};

}  // namespace java::awt::event
