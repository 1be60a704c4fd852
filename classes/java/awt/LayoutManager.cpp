// java/awt/LayoutManager
#include "java/awt/LayoutManager.h"

namespace java::awt {

ClassDecl LayoutManager::klass = {
    .name = "java/awt/LayoutManager",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_addLayoutComponent), abstract_method(m_removeLayoutComponent),
                abstract_method(m_preferredLayoutSize), abstract_method(m_minimumLayoutSize),
                abstract_method(m_layoutContainer)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::awt
