// java/awt/Frame
#include "java/awt/Frame.h"

#include "de/kawt/impl/Laf.h"
#include "java/awt/Dimension.h"
#include "java/awt/Insets.h"
#include "java/awt/MenuBar.h"
#include "java/awt/Toolkit.h"
#include "java/lang/String.h"

namespace java::awt {

using de::kawt::impl::Laf;

ClassDecl Frame::klass = {
    .name = "java/awt/Frame",
    .super = &Window::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(title), JAVA_REF(menuBar)},
    .defaultCtor = static_cast<void (*)(Ref)>(&Frame::init),
    .methods = {impl(Container::m_getInsets, &Frame::getInsets),
                impl(Component::m_getPreferredSize, &Frame::getPreferredSize),
                impl(Component::m_paint, &Frame::paint),
                impl(Component::m_activate, &Frame::activate)},
    .uses = {&java::awt::Window::klass, &de::kawt::impl::Laf::klass, &java::awt::Dimension::klass,
             &java::awt::Insets::klass, &java::awt::MenuBar::klass, &java::awt::Toolkit::klass,
             &java::lang::String::klass},
};

void Frame::init(Ref self) { init(self, nullptr); }

void Frame::init(Ref self, Ref title) {
  Window::init(self, nullptr);
  f(self).title = title;
}

Ref Frame::getTitle(Ref self) { return f(nn(self)).title; }

static jint screen_height() {
  Ref volatile size = vcall(Toolkit::m_getScreenSize, Toolkit::getDefaultToolkit());
  return Dimension::f(size).height;
}

// A screen lower than 160 pixels has no room for a title.
void Frame::setTitle(Ref self, Ref title) {
  if (screen_height() < 160) title = nullptr;
  Ref old = f(nn(self)).title;
  if (!old || !title) {
    f(self).title = title;
    Component::f(self).valid = 0;
    Container::validateAndRepaint(self);
  } else if (!java::lang::String::equals(old, title)) {
    f(self).title = title;
    Ref volatile g = Component::getGraphics(self);
    if (g) vcall(Component::m_paint, self, g);
  }
}

Ref Frame::getMenuBar(Ref self) { return f(nn(self)).menuBar; }

void Frame::setMenuBar(Ref self, Ref mb) { f(nn(self)).menuBar = mb; }

Ref Frame::getInsets(Ref self) {
  if (!f(nn(self)).title) return jnew<Insets>(0, 0, 0, 0);
  return vcall(Laf::m_getInsets, Toolkit::getLaf(), Laf::TITLED_FRAME);
}

Ref Frame::getPreferredSize(Ref) {
  return vcall(Toolkit::m_getScreenSize, Toolkit::getDefaultToolkit());
}

void Frame::paint(Ref self, Ref g) {
  auto& c = Component::f(nn(self));
  vcall(Laf::m_paintFrame, Toolkit::getLaf(), g, c.width, c.height, 1, f(self).title, c.hasFocus);
}

void Frame::activate(Ref self, Ref) {
  if (f(nn(self)).menuBar) MenuBar::activate(f(self).menuBar);
}

}  // namespace java::awt
