// TableSection1 and TableSection2: the two halves of the table, each a class of its own
// with its own screen state, alike but for their geometry (table_half.h).
#pragma once
#include "Orbitale.h"
#include "ScreenPanel.h"
#include "java/awt/Container.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/awt/event/MouseListener.h"
#include "java/lang/String.h"
#include "table_half.h"

namespace orbitale {

template <const HalfGeometry& Half>
struct TableSection {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref frame;   // Orbitale
    Ref button;  // the arrow
  };
  JAVA_FIELDS(ScreenPanel)
  using Statics = HalfState;
  JAVA_STATICS

  static void staticInit() { half::setup(S(), Half); }
  static void init(Ref self, Ref frame);
  static void paint(Ref, Ref g) { half::paint(S(), Half, g); }
  static void paintSelection(Ref, Ref g) { half::paintSelection(S(), Half, g); }
  static void mousePressed(Ref self, Ref e) { half::mousePressed(S(), Half, self, e); }
  static void mouseReleased(Ref self, Ref) { half::mouseReleased(S(), f(self).frame); }
  static void mouseClicked(Ref, Ref) {}
  static void actionPerformed(Ref self, Ref e);
};

template <const HalfGeometry& Half>
ClassDecl TableSection<Half>::klass = {
    .name = Half.name,
    .super = &ScreenPanel::klass,
    .interfaces = {&java::awt::event::MouseListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(frame), JAVA_REF(button)},
    .classInit = &TableSection<Half>::staticInit,
    .methods =
        {impl(java::awt::Component::m_paint, &TableSection<Half>::paint),
         impl(java::awt::event::MouseListener::m_mousePressed, &TableSection<Half>::mousePressed),
         impl(java::awt::event::MouseListener::m_mouseReleased, &TableSection<Half>::mouseReleased),
         impl(java::awt::event::MouseListener::m_mouseClicked, &TableSection<Half>::mouseClicked),
         impl(java::awt::event::MouseListener::m_mouseEntered, &TableSection<Half>::mouseClicked),
         impl(java::awt::event::MouseListener::m_mouseExited, &TableSection<Half>::mouseClicked),
         impl(java::awt::event::ActionListener::m_actionPerformed,
              &TableSection<Half>::actionPerformed)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&orbitale::ScreenPanel::klass, &orbitale::Orbitale::klass,
             &java::awt::Container::klass, &java::awt::event::ActionEvent::klass,
             &java::awt::event::ActionListener::klass, &java::awt::event::MouseListener::klass,
             &java::lang::String::klass},
};

template <const HalfGeometry& Half>
void TableSection<Half>::init(Ref self, Ref frame) {
  ScreenPanel::init(self);
  f(self).frame = frame;
  if (!Half.left) java::awt::Component::setLocation(self, 0, 170);  // off the screen until shown
  f(self).button = ScreenPanel::addButton(self, lit(Half.arrow), Half.arrowX, 2, 20, 14);
  java::awt::Component::addMouseListener(self, self);
}

// The other half takes the frame's centre; this half leaves it.
template <const HalfGeometry& Half>
void TableSection<Half>::actionPerformed(Ref self, Ref e) {
  using java::awt::Component;
  using java::awt::Container;
  Ref volatile command = java::awt::event::ActionEvent::getActionCommand(e);
  if (!command || !java::lang::String::equals(command, lit(Half.arrow))) return;
  Ref frame = f(self).frame;
  Ref volatile other = Half.left ? Orbitale::f(frame).right : Orbitale::f(frame).left;
  Container::add(frame, other, lit("Center"));
  vcall(Component::m_validate, frame);
  Container::removeComponent(frame, self);
  // Back to bounds it had before, the half would not be repainted by the layout.
  Component::repaint(other);
}

using TableSection1 = TableSection<kLeftHalf>;
using TableSection2 = TableSection<kRightHalf>;
extern template struct TableSection<kLeftHalf>;
extern template struct TableSection<kRightHalf>;

}  // namespace orbitale
