// DisplayOptionsPanel: the display options and their check boxes; the table reads the
// options at its next paint.
#include "DisplayOptionsPanel.h"

#include "java/awt/Checkbox.h"
#include "java/awt/CheckboxGroup.h"
#include "java/awt/event/ItemEvent.h"
#include "java/awt/event/ItemListener.h"

namespace orbitale {

using java::awt::Checkbox;
using java::awt::CheckboxGroup;
using java::awt::Component;
using java::awt::Container;
using java::awt::event::ItemEvent;

ClassDecl DisplayOptionsPanel::klass = {
    .name = "DisplayOptionsPanel",
    .super = &java::awt::Panel::klass,
    .interfaces = {&java::awt::event::ItemListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &DisplayOptionsPanel::staticInit,
    .defaultCtor = &DisplayOptionsPanel::init,
    .methods = {impl(java::awt::event::ItemListener::m_itemStateChanged,
                     &DisplayOptionsPanel::itemStateChanged)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::awt::Panel::klass, &java::awt::Checkbox::klass,
             &java::awt::CheckboxGroup::klass, &java::awt::event::ItemEvent::klass,
             &java::awt::event::ItemListener::klass},
};

namespace {

jbool shown(jint i) { return rt_array_load8(DisplayOptionsPanel::S().shown, i) != 0; }
void set_shown(jint i, jbool on) { rt_array_store8(DisplayOptionsPanel::S().shown, i, on); }

Ref place(Ref panel, Ref box, jint x, jint y, jint width, jint height) {
  Checkbox::addItemListener(box, panel);
  vcall(Component::m_setBounds, box, x, y, width, height);
  Container::add(panel, box);
  return box;
}

}  // namespace

void DisplayOptionsPanel::staticInit() {
  S().showSymbols = 1;
  S().shown = rt_new_array(rt_class_index_by_name("[Z"), 1, 12);
  set_shown(0, 1);
}

void DisplayOptionsPanel::init(Ref self) {
  java::awt::Panel::init(self);
  Container::setLayout(self, nullptr);
  jbool any = 0;
  for (jint i = 0; i < CATEGORIES; i++) any = any || shown(i);
  if (!any) set_shown(0, 1);  // nothing at all would be shown

  Ref volatile group = jnew<CheckboxGroup>();
  S().symbols = place(self, jnew<Checkbox>(lit("Symbols"), group, S().showSymbols), 74, 80, 70, 15);
  S().numbers =
      place(self, jnew<Checkbox>(lit("Atomic Numbers"), group, !S().showSymbols), 74, 95, 85, 15);
  static constexpr const char* kNames[CATEGORIES] = {
      "All Elements",      "Alkali Metals", "Alkaline Earth Metals",
      "Transition Metals", "Metalloids",    "Other Metals",
      "Non-Metals",        "Halogens",      "Noble Gases",
      "Lanthanides",       "Actinides",
  };
  S().boxes = rt_new_ref_array(rt_class_index_by_name("[Ljava/awt/Checkbox;"),
                               Checkbox::klass.index, CATEGORIES);
  for (jint i = 0; i < CATEGORIES; i++) {
    Ref volatile box = jnew<Checkbox>(lit(kNames[i]), shown(i));
    rt_array_store_ref(S().boxes, i, box);
    place(self, box, 1, 10 * (i + 1), i < 7 ? 100 : 70, 10);
  }
}

// Checking "All Elements" clears every category; checking a category clears "All Elements"
// (guarded, so that clearing it does not clear the categories in turn).
void DisplayOptionsPanel::itemStateChanged(Ref, Ref e) {
  jint change = ItemEvent::getStateChange(e);
  if (change != ItemEvent::SELECTED && change != ItemEvent::DESELECTED) return;
  jbool on = change == ItemEvent::SELECTED;
  Ref source = ItemEvent::getItem(e);
  if (source == S().symbols || source == S().numbers) {
    if (on) S().showSymbols = source == S().symbols;
    return;
  }
  jint i = 0;
  while (i < CATEGORIES && rt_array_load_ref(S().boxes, i) != source) i++;
  if (i == CATEGORIES) return;
  if (i == 0 && on && !S().clearingAll) {
    for (jint k = 1; k < CATEGORIES; k++) {
      set_shown(k, 0);
      Checkbox::setState(rt_array_load_ref(S().boxes, k), 0);
    }
  }
  set_shown(i, on);
  if (i > 0 && on && shown(0)) {
    S().clearingAll = 1;
    set_shown(0, 0);
    Checkbox::setState(rt_array_load_ref(S().boxes, 0), 0);
    S().clearingAll = 0;
  }
}

jbool DisplayOptionsPanel::passes(jint category) {
  clinit<DisplayOptionsPanel>();
  return shown(0) || shown(category);
}

jbool DisplayOptionsPanel::showSymbols() {
  clinit<DisplayOptionsPanel>();
  return S().showSymbols;
}

}  // namespace orbitale
