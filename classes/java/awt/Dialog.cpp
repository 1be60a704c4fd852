// java/awt/Dialog
#include "java/awt/Dialog.h"

#include "java/awt/Color.h"
#include "java/awt/Dimension.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Insets.h"
#include "java/awt/KawtThread.h"
#include "java/awt/SystemColor.h"

namespace java::awt {

ClassDecl Dialog::klass = {
    .name = "java/awt/Dialog",
    .super = &Window::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(title), JAVA_REF(blockedThread)},
    .methods = {impl(Container::m_getInsets, &Dialog::getInsets),
                impl(Component::m_getPreferredSize, &Dialog::getPreferredSize),
                impl(Component::m_paint, &Dialog::paint),
                impl(Component::m_setVisible, &Dialog::setVisible)},
    .uses = {&java::awt::Window::klass, &java::awt::Color::klass, &java::awt::Dimension::klass,
             &java::awt::FontMetrics::klass, &java::awt::Graphics::klass, &java::awt::Insets::klass,
             &java::awt::KawtThread::klass, &java::awt::SystemColor::klass},
};

void Dialog::init(Ref self, Ref owner) { init(self, owner, nullptr, 0); }

void Dialog::init(Ref self, Ref owner, jbool modal) { init(self, owner, nullptr, modal); }

void Dialog::init(Ref self, Ref owner, Ref title) { init(self, owner, title, 0); }

void Dialog::init(Ref self, Ref owner, Ref title, jbool modal) {
  Window::init(self, owner);
  f(self).title = title;
  f(self).modal = modal ? 1 : 0;
}

Ref Dialog::getTitle(Ref self) { return f(nn(self)).title; }

void Dialog::setTitle(Ref self, Ref title) {
  f(nn(self)).title = title;
  Component::repaint(self);
}

jbool Dialog::isModal(Ref self) { return f(nn(self)).modal; }

void Dialog::setModal(Ref self, jbool modal) { f(nn(self)).modal = modal ? 1 : 0; }

Ref Dialog::getInsets(Ref) { return jnew<Insets>(16, 4, 4, 4); }

// As wide as the owner; the owner's full height once the layout wants more than two thirds.
Ref Dialog::getPreferredSize(Ref self) {
  Ref owner = Window::f(nn(self)).owner;
  Ref volatile wanted = Container::getPreferredSize(self);
  jint width = owner ? Component::f(owner).width : Dimension::f(wanted).width;
  jint height = Dimension::f(wanted).height;
  if (owner && height > Component::f(owner).height * 2 / 3) height = Component::f(owner).height;
  return jnew<Dimension>(width, height);
}

void Dialog::paint(Ref self, Ref g) {
  jint w = Component::f(nn(self)).width;
  jint h = Component::f(self).height;
  vcall(Graphics::m_setColor, g, SystemColor::accent());
  vcall(Graphics::m_drawRoundRect, g, 0, 0, w - 1, h - 1, 3, 3);
  vcall(Graphics::m_drawRoundRect, g, 1, 1, w - 3, h - 3, 2, 2);
  vcall(Graphics::m_fillRect, g, 2, 2, w - 4, 12);
  Ref volatile title = f(self).title ? f(self).title : lit("No Title");
  Ref fm = vcall(Graphics::m_getFontMetrics, g);
  clinit<Color>();
  vcall(Graphics::m_setColor, g, Color::S().white);
  vcall(Graphics::m_drawString, g, title, (w - vcall(FontMetrics::m_stringWidth, fm, title)) / 2,
        12);
}

void Dialog::setVisible(Ref self, jbool visible) {
  jbool was = Component::f(nn(self)).visible;
  Window::setVisible(self, visible);
  if (visible && !was && f(self).modal) KawtThread::waitForModal(self);
  if (!visible && was) KawtThread::releaseModal(self);
}

}  // namespace java::awt
