// AboutDialog: the program's name, version and credits.
#include "AboutDialog.h"

#include "TextBox.h"
#include "java/lang/String.h"

namespace orbitale {

using java::awt::Component;
using java::awt::Container;

ClassDecl AboutDialog::klass = {
    .name = "AboutDialog",
    .super = &PTDialog::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&orbitale::PTDialog::klass, &orbitale::TextBox::klass, &java::lang::String::klass},
};

void AboutDialog::init(Ref self, Ref frame) {
  PTDialog::init(self, frame);
  java::awt::Dialog::setTitle(self, lit("About Orbitale"));
  Ref volatile box = jnew<TextBox>(10, 15, 143, 123);
  Container::add(self, box);
  static constexpr const char* kLines[] = {
      "        Orbitale v1.02a",
      "A periodic table of the elements, written for the palmhost project.",
      " ",
      "Built on the palmhost palm profile with its window toolkit.",
      " ",
      "Please send comments and problem reports to orbitale@example.org.",
  };
  Ref volatile lines = rt_new_ref_array(rt_class_index_by_name("[Ljava/lang/String;"),
                                        java::lang::String::klass.index, 6);
  for (jint i = 0; i < 6; i++) rt_array_store_ref(lines, i, lit(kLines[i]));
  TextBox::setLines(box, lines);
  vcall(Component::m_validate, self);
}

}  // namespace orbitale
