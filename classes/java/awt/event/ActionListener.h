// java/awt/event/ActionListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

// An implementing class names these slots in its method list.
struct ActionListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_actionPerformed{
      "actionPerformed(Ljava/awt/event/ActionEvent;)", &klass};
};

}  // namespace java::awt::event
