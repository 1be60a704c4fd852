// WidgetDemo: the toolkit's test program.
#include "WidgetDemo.h"

#include "Meter.h"
#include "java/awt/Button.h"
#include "java/awt/Checkbox.h"
#include "java/awt/CheckboxGroup.h"
#include "java/awt/Choice.h"
#include "java/awt/Dialog.h"
#include "java/awt/Dimension.h"
#include "java/awt/List.h"
#include "java/awt/Menu.h"
#include "java/awt/MenuBar.h"
#include "java/awt/MenuItem.h"
#include "java/awt/Panel.h"
#include "java/awt/Scrollbar.h"
#include "java/awt/TooManyListenersException.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/awt/event/AdjustmentEvent.h"
#include "java/awt/event/AdjustmentListener.h"
#include "java/awt/event/ItemEvent.h"
#include "java/awt/event/ItemListener.h"
#include "java/io/PrintStream.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/System.h"

namespace widgets {

using namespace java::awt;
using namespace java::awt::event;
using java::lang::String;

ClassDecl WidgetDemo::klass = {
    .name = "WidgetDemo",
    .super = &Frame::klass,
    .interfaces = {&ActionListener::klass, &ItemListener::klass, &AdjustmentListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(meter), JAVA_REF(ok), JAVA_REF(modal), JAVA_REF(dialog), JAVA_REF(bold),
                   JAVA_REF(red), JAVA_REF(blue), JAVA_REF(list), JAVA_REF(choice), JAVA_REF(bar),
                   JAVA_REF(modalDialog), JAVA_REF(plainDialog)},
    .methods = {impl(java::awt::event::ActionListener::m_actionPerformed,
                     &WidgetDemo::actionPerformed),
                impl(java::awt::event::ItemListener::m_itemStateChanged,
                     &WidgetDemo::itemStateChanged),
                impl(java::awt::event::AdjustmentListener::m_adjustmentValueChanged,
                     &WidgetDemo::adjustmentValueChanged)},
    .staticWords = JAVA_STATIC_WORDS,
};

// The menus and their items; an item's number on the meter is its place here, from 1.
// "Help" is the last title, near the right edge, and its item is wide, so its menu opens
// shifted left.
static const char* const MENUS[][4] = {
    {"File", "Dialog", "Modal dialog", "Exit"},
    {"Edit", "Reset bar", nullptr, nullptr},
    {"View", "Numbers", "Symbols", nullptr},
    {"Help", "About the toolkit's test program", nullptr, nullptr},
};

static void print(const char* what, Ref message) {
  Ref out = java::lang::System::S().out;
  vcall(java::io::PrintStream::m_println, out, jconcat({lit(what), message}));
}

// Adds c to the panel at (x, y), at its preferred size unless one is given.
static void place(Ref panel, Ref c, jint x, jint y, jint w = 0, jint h = 0) {
  Container::add(panel, c);
  if (w == 0) {
    Ref size = vcall(Component::m_getPreferredSize, c);
    w = Dimension::f(size).width;
    h = Dimension::f(size).height;
  }
  vcall(Component::m_setBounds, c, x, y, w, h);
}

static Ref new_button(Ref self, const char* label) {
  Ref volatile b = jnew<Button>(lit(label));
  Button::addActionListener(b, self);
  return b;
}

static Ref new_dialog(Ref self, const char* title, jbool modal, const char* close, jint y) {
  Ref volatile d = jnew<Dialog>(self, lit(title), modal);
  Container::setLayout(d, nullptr);
  vcall(Component::m_setBounds, d, 20, y, 120, 50);
  place(d, new_button(self, close), 40, 26);
  return d;
}

void WidgetDemo::init(Ref self) {
  Frame::init(self, lit("Widget test"));
  Ref volatile menuBar = jnew<MenuBar>();
  for (auto& m : MENUS) {
    Ref volatile menu = jnew<Menu>(lit(m[0]));
    for (int i = 1; i < 4 && m[i]; i++) {
      Ref volatile item = jnew<MenuItem>(lit(m[i]));
      MenuItem::addActionListener(item, self);
      Menu::add(menu, item);
    }
    MenuBar::add(menuBar, menu);
  }
  Frame::setMenuBar(self, menuBar);

  Ref volatile panel = jnew<Panel>();
  Container::setLayout(panel, nullptr);
  Container::add(self, panel, lit("Center"));
  auto& d = f(self);
  d.ok = new_button(self, "OK");
  d.modal = new_button(self, "Modal");
  d.dialog = new_button(self, "Dialog");
  place(panel, d.ok, 2, 2);
  place(panel, d.modal, 30, 2);
  place(panel, d.dialog, 70, 2);

  Ref volatile group = jnew<CheckboxGroup>();
  f(self).bold = jnew<Checkbox>(lit("Bold"));
  f(self).red = jnew<Checkbox>(lit("Red"), group, 1);
  f(self).blue = jnew<Checkbox>(lit("Blue"), group, 0);
  for (Ref box : {f(self).bold, f(self).red, f(self).blue}) Checkbox::addItemListener(box, self);
  place(panel, f(self).bold, 2, 19);
  place(panel, f(self).red, 50, 19);
  place(panel, f(self).blue, 95, 19);

  f(self).list = jnew<List>();
  for (const char* item :
       {"Item 1", "Item 2", "Item 3", "Item 4", "Item 5", "Item 6", "Item 7", "Item 8"})
    List::add(f(self).list, lit(item));
  List::addItemListener(f(self).list, self);
  place(panel, f(self).list, 2, 34, 66, 50);

  f(self).choice = jnew<Choice>();
  for (const char* item : {"Small", "Medium", "Large"}) Choice::add(f(self).choice, lit(item));
  Choice::addItemListener(f(self).choice, self);
  place(panel, f(self).choice, 74, 34);

  f(self).bar = jnew<Scrollbar>(Scrollbar::HORIZONTAL, 0, 10, 0, 100);
  Scrollbar::addAdjustmentListener(f(self).bar, self);
  place(panel, f(self).bar, 74, 54, 82, 7);

  f(self).meter = jnew<Meter>();
  place(panel, f(self).meter, 0, 92, 160, Meter::ROWS * Meter::ROW_HEIGHT);

  f(self).modalDialog = new_dialog(self, "Modal", 1, "Close", 40);
  f(self).plainDialog = new_dialog(self, "Dialog", 0, "Hide", 60);

  // A second listener is refused with the toolkit's message, and the first one stays.
  try {
    Button::addActionListener(f(self).ok, self);
  } catch (JavaThrow& e) {
    if (!caught<TooManyListenersException>(e)) throw;
    print("Button: ", java::lang::Throwable::getMessage(e.object()));
  }
  try {
    Ref item = Menu::getItem(MenuBar::getMenu(menuBar, 0), 0);
    MenuItem::addActionListener(item, self);
  } catch (JavaThrow& e) {
    if (!caught<java::lang::RuntimeException>(e)) throw;
    print("MenuItem: ", java::lang::Throwable::getMessage(e.object()));
  }
}

void WidgetDemo::main(Ref) {
  Ref volatile frame = jnew<WidgetDemo>();
  S().frame = frame;
  Component::setSize(frame, 160, 160);
  vcall(Component::m_validate, frame);
  vcall(Component::m_setVisible, frame, 1);
  vcall(Component::m_requestFocus, f(frame).list);  // the list takes the arrow keys
}

static bool is(Ref command, const char* text) { return String::equals(command, lit(text)); }

void WidgetDemo::actionPerformed(Ref self, Ref e) {
  Ref command = ActionEvent::getActionCommand(e);
  Ref source = java::util::EventObject::getSource(e);
  Ref meter = f(self).meter;
  if (instanceof <MenuItem>(source)) {
    jint number = 0;
    for (auto& m : MENUS)
      for (int i = 1; i < 4 && m[i]; i++) {
        number++;
        if (is(command, m[i])) Meter::set(meter, Meter::MENU_ITEM, number);
      }
    Meter::add(meter, Meter::MENU_ACTIONS);
    Frame::setTitle(self, jconcat({lit("Menu: "), command}));
    if (is(command, "Exit")) java::lang::System::exit(0);
    if (is(command, "Reset bar")) Scrollbar::setValue(f(self).bar, 0);
    if (is(command, "Dialog")) vcall(Component::m_setVisible, f(self).plainDialog, 1);
    if (is(command, "Modal dialog")) vcall(Component::m_setVisible, f(self).modalDialog, 1);
    return;
  }
  if (source == f(self).ok) {
    Meter::add(meter, Meter::OK_FIRED);
    Frame::setTitle(self, lit("OK pressed"));
  } else if (source == f(self).dialog) {
    Meter::add(meter, Meter::DIALOGS_SHOWN);
    Frame::setTitle(self, lit("Dialog shown"));
    vcall(Component::m_setVisible, f(self).plainDialog, 1);
  } else if (source == f(self).modal) {
    // Returns only when the dialog is closed; the toolkit goes on meanwhile.
    Frame::setTitle(self, lit("Modal open"));
    vcall(Component::m_setVisible, f(self).modalDialog, 1);
    Meter::add(meter, Meter::MODAL_RETURNS);
    Frame::setTitle(self, lit("Modal closed"));
  } else if (is(command, "Close")) {
    vcall(Component::m_setVisible, f(self).modalDialog, 0);
  } else if (is(command, "Hide")) {
    vcall(Component::m_setVisible, f(self).plainDialog, 0);
  }
}

void WidgetDemo::itemStateChanged(Ref self, Ref e) {
  Ref source = java::util::EventObject::getSource(e);
  Ref meter = f(self).meter;
  Ref item = ItemEvent::getItem(e);
  bool on = ItemEvent::getStateChange(e) == ItemEvent::SELECTED;
  if (source == f(self).bold) {
    Meter::add(meter, Meter::BOLD_EVENTS);
    Frame::setTitle(self, lit(on ? "Bold on" : "Bold off"));
  } else if (source == f(self).red || source == f(self).blue) {
    Meter::add(meter, Meter::RADIO_EVENTS);
    Frame::setTitle(self, jconcat({Checkbox::getLabel(source), lit(on ? " on" : " off")}));
  } else if (source == f(self).list) {
    Meter::add(meter, Meter::LIST_EVENTS);
    Frame::setTitle(self, jconcat({lit("List: "), item}));
  } else if (source == f(self).choice) {
    Meter::add(meter, Meter::CHOICE_EVENTS);
    Frame::setTitle(self, jconcat({lit("Choice: "), item}));
  }
}

void WidgetDemo::adjustmentValueChanged(Ref self, Ref e) {
  Ref meter = f(self).meter;
  jint value = AdjustmentEvent::getValue(e);
  Meter::add(meter, Meter::BAR_EVENTS);
  Meter::set(meter, Meter::BAR_TYPE, AdjustmentEvent::getAdjustmentType(e));
  Meter::set(meter, Meter::BAR_VALUE, value);
  Frame::setTitle(self, jconcat({lit("Bar "), String::valueOf(value)}));
}

}  // namespace widgets
