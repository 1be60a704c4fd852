// java/awt/event/WindowAdapter
#include "java/awt/event/WindowAdapter.h"

namespace java::awt::event {

ClassDecl WindowAdapter::klass = {
    .name = "java/awt/event/WindowAdapter",
    .super = &java::lang::Object::klass,
    .interfaces = {&WindowListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &WindowAdapter::init,
    .methods = {impl(WindowListener::m_windowOpened, &WindowAdapter::ignore),
                impl(WindowListener::m_windowClosing, &WindowAdapter::ignore),
                impl(WindowListener::m_windowClosed, &WindowAdapter::ignore),
                impl(WindowListener::m_windowIconified, &WindowAdapter::ignore),
                impl(WindowListener::m_windowDeiconified, &WindowAdapter::ignore),
                impl(WindowListener::m_windowActivated, &WindowAdapter::ignore),
                impl(WindowListener::m_windowDeactivated, &WindowAdapter::ignore)},
    .uses = {&java::awt::event::WindowListener::klass},
};

void WindowAdapter::init(Ref self) { java::lang::Object::init(self); }

void WindowAdapter::ignore(Ref, Ref) {}

}  // namespace java::awt::event
