// TableSection1: the left half of the table (groups 1a to 8, with the lanthanides and
// actinides up to americium), and its arrow to the right half.
#include "TableSection1.h"

#include "Orbitale.h"
#include "java/awt/Container.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/awt/event/MouseListener.h"
#include "java/lang/String.h"

namespace orbitale {

using java::awt::Component;
using java::awt::Container;
using java::awt::event::MouseListener;

ClassDecl TableSection1::klass = {
    .name = "TableSection1",
    .super = &ScreenPanel::klass,
    .interfaces = {&MouseListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(frame), JAVA_REF(button)},
    .classInit = &TableSection1::staticInit,
    .methods = {impl(Component::m_paint, &TableSection1::paint),
                impl(MouseListener::m_mousePressed, &TableSection1::mousePressed),
                impl(MouseListener::m_mouseReleased, &TableSection1::mouseReleased),
                impl(MouseListener::m_mouseClicked, &TableSection1::mouseClicked),
                impl(MouseListener::m_mouseEntered, &TableSection1::mouseClicked),
                impl(MouseListener::m_mouseExited, &TableSection1::mouseClicked),
                impl(java::awt::event::ActionListener::m_actionPerformed,
                     &TableSection1::actionPerformed)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&orbitale::ScreenPanel::klass, &orbitale::Orbitale::klass,
             &java::awt::Container::klass, &java::awt::event::ActionEvent::klass,
             &java::awt::event::ActionListener::klass, &java::awt::event::MouseListener::klass,
             &java::lang::String::klass},
};

void TableSection1::staticInit() { half::setup(S(), kLeftHalf); }

void TableSection1::init(Ref self, Ref frame) {
  ScreenPanel::init(self);
  f(self).frame = frame;
  f(self).button = ScreenPanel::addButton(self, lit("-->"), 138, 2, 20, 14);
  Component::addMouseListener(self, self);
}

void TableSection1::paint(Ref, Ref g) { half::paint(S(), kLeftHalf, g); }

void TableSection1::paintSelection(Ref, Ref g) { half::paintSelection(S(), kLeftHalf, g); }

void TableSection1::mousePressed(Ref self, Ref e) { half::mousePressed(S(), kLeftHalf, self, e); }

void TableSection1::mouseReleased(Ref self, Ref) { half::mouseReleased(S(), f(self).frame); }

void TableSection1::mouseClicked(Ref, Ref) {}

// The right half takes the frame's centre; this half leaves it.
void TableSection1::actionPerformed(Ref self, Ref e) {
  Ref volatile command = java::awt::event::ActionEvent::getActionCommand(e);
  if (!command || !java::lang::String::equals(command, lit("-->"))) return;
  Ref frame = f(self).frame;
  Container::add(frame, Orbitale::f(frame).right, lit("Center"));
  vcall(Component::m_validate, frame);
  Container::removeComponent(frame, self);
  // Back to bounds it had before, the half would not be repainted by the layout.
  Component::repaint(Orbitale::f(frame).right);
}

}  // namespace orbitale
