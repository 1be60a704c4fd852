// What the toolkit tests share.
#include "toolkit_support.h"

#include "class_lists.h"
#include "com/sun/kjava/class_list.h"
#include "host/host.h"
#include "java/awt/AWTEvent.h"
#include "java/awt/Container.h"
#include "java/awt/Frame.h"
#include "java/awt/Graphics.h"
#include "java/awt/class_list.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/awt/event/AdjustmentEvent.h"
#include "java/awt/event/AdjustmentListener.h"
#include "java/awt/event/ItemEvent.h"
#include "java/awt/event/ItemListener.h"
#include "java/awt/event/KeyEvent.h"
#include "java/awt/event/MouseEvent.h"

using namespace java::awt;

std::vector<std::string> g_log;
void (*g_onPress)(Ref, Ref);

ClassDecl Probe::klass = {
    .name = "test/Probe",
    .super = &Component::klass,
    .interfaces = {&event::ActionListener::klass, &event::ItemListener::klass,
                   &event::AdjustmentListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(Component::m_paint, &Probe::paint),
                impl(Component::m_processEvent, &Probe::processEvent),
                impl(Component::m_activate, &Probe::activate),
                impl(event::ActionListener::m_actionPerformed, &Probe::action),
                impl(event::ItemListener::m_itemStateChanged, &Probe::item),
                impl(event::AdjustmentListener::m_adjustmentValueChanged, &Probe::adjust)},
};

void Probe::init(Ref self, jint tag) {
  Component::init(self);
  f(self).tag = tag;
  Component::enableEvents(self, Component::MOUSE_EVENT_MASK | Component::MOUSE_MOTION_EVENT_MASK);
}

void Probe::paint(Ref self, Ref g) {
  vcall(Graphics::m_fillRect, g, 0, 0, Component::f(self).width, Component::f(self).height);
}

void Probe::processEvent(Ref self, Ref e) {
  std::string entry(1, static_cast<char>(f(self).tag));
  jint id = AWTEvent::getID(e);
  if (instanceof <event::KeyEvent>(e)) {
    g_log.push_back(entry + " key " + std::to_string(event::KeyEvent::getKeyCode(e)));
    return;
  }
  if (id == event::MouseEvent::MOUSE_PRESSED && g_onPress) return g_onPress(self, e);
  g_log.push_back(entry + " " + std::to_string(id) + " " +
                  std::to_string(event::MouseEvent::getX(e)) + " " +
                  std::to_string(event::MouseEvent::getY(e)));
}

static void note(Ref probe, const std::string& what) {
  g_log.push_back(std::string(1, static_cast<char>(Probe::f(probe).tag)) + " " + what);
}

void Probe::activate(Ref self, Ref) { note(self, "activate"); }

void Probe::action(Ref self, Ref e) {
  note(self, "action " + text(event::ActionEvent::getActionCommand(e)));
}

void Probe::item(Ref self, Ref e) {
  note(self, "item " + text(event::ItemEvent::getItem(e)) + " " +
                 std::to_string(event::ItemEvent::getStateChange(e)));
}

void Probe::adjust(Ref self, Ref e) {
  note(self, "adjust " + std::to_string(event::AdjustmentEvent::getAdjustmentType(e)) + " " +
                 std::to_string(event::AdjustmentEvent::getValue(e)));
}

std::vector<ClassDecl*> toolkit_test_classes() {
  std::vector<ClassDecl*> list = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) list.push_back(c);
  for (ClassDecl* c : toolkit_classes()) list.push_back(c);
  list.push_back(&Probe::klass);
  return list;
}

Ref probe(char tag, jint x, jint y, jint w, jint h) {
  Ref volatile p = jnew<Probe>(jint{tag});
  Component::setBounds(p, x, y, w, h);
  return p;
}

Ref shown_frame() {
  Ref volatile frame = jnew<Frame>();
  Container::setLayout(frame, nullptr);
  Component::setBounds(frame, 0, 0, 160, 160);
  vcall(Component::m_setVisible, frame, 1);
  pump(5);
  return frame;
}
