// java/awt/event/AdjustmentListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

struct AdjustmentListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_adjustmentValueChanged{
      "adjustmentValueChanged(Ljava/awt/event/AdjustmentEvent;)", &klass};
};

}  // namespace java::awt::event
