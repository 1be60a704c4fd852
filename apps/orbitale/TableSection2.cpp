// TableSection2: the right half of the table (groups 8 to 8a, with the rest of the f-block),
// and its arrow back to the left half.
#include "TableSection2.h"

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

ClassDecl TableSection2::klass = {
    .name = "TableSection2",
    .super = &ScreenPanel::klass,
    .interfaces = {&MouseListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(frame), JAVA_REF(button)},
    .classInit = &TableSection2::staticInit,
    .methods = {impl(Component::m_paint, &TableSection2::paint),
                impl(MouseListener::m_mousePressed, &TableSection2::mousePressed),
                impl(MouseListener::m_mouseReleased, &TableSection2::mouseReleased),
                impl(MouseListener::m_mouseClicked, &TableSection2::mouseClicked),
                impl(MouseListener::m_mouseEntered, &TableSection2::mouseClicked),
                impl(MouseListener::m_mouseExited, &TableSection2::mouseClicked),
                impl(java::awt::event::ActionListener::m_actionPerformed,
                     &TableSection2::actionPerformed)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&orbitale::ScreenPanel::klass, &orbitale::Orbitale::klass,
             &java::awt::Container::klass, &java::awt::event::ActionEvent::klass,
             &java::awt::event::ActionListener::klass, &java::awt::event::MouseListener::klass,
             &java::lang::String::klass},
};

void TableSection2::staticInit() { half::setup(S(), kRightHalf); }

void TableSection2::init(Ref self, Ref frame) {
  ScreenPanel::init(self);
  f(self).frame = frame;
  Component::setLocation(self, 0, 170);  // off the screen until first shown
  f(self).button = ScreenPanel::addButton(self, lit("<--"), 2, 2, 20, 14);
  Component::addMouseListener(self, self);
}

void TableSection2::paint(Ref, Ref g) { half::paint(S(), kRightHalf, g); }

void TableSection2::paintSelection(Ref, Ref g) { half::paintSelection(S(), kRightHalf, g); }

void TableSection2::mousePressed(Ref self, Ref e) { half::mousePressed(S(), kRightHalf, self, e); }

void TableSection2::mouseReleased(Ref self, Ref) { half::mouseReleased(S(), f(self).frame); }

void TableSection2::mouseClicked(Ref, Ref) {}

// The left half takes the frame's centre; this half leaves it.
void TableSection2::actionPerformed(Ref self, Ref e) {
  Ref volatile command = java::awt::event::ActionEvent::getActionCommand(e);
  if (!command || !java::lang::String::equals(command, lit("<--"))) return;
  Ref frame = f(self).frame;
  Container::add(frame, Orbitale::f(frame).left, lit("Center"));
  vcall(Component::m_validate, frame);
  Container::removeComponent(frame, self);
  // Back to bounds it had before, the half would not be repainted by the layout.
  Component::repaint(Orbitale::f(frame).left);
}

}  // namespace orbitale
