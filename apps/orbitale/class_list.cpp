// Orbitale's class list.
#include "class_list.h"

#include "AboutDialog.h"
#include "Closer.h"
#include "DialogInfo.h"
#include "DisplayOptionsDialog.h"
#include "DisplayOptionsPanel.h"
#include "ElementInfo.h"
#include "InfoDialog.h"
#include "Orbitale.h"
#include "PTDialog.h"
#include "ScreenPanel.h"
#include "TableSection.h"
#include "TextBox.h"
#include "class_lists.h"
#include "com/sun/kjava/class_list.h"
#include "java/awt/class_list.h"

namespace orbitale {

static ClassDecl booleanArray = rt_array_class("[Z");
static ClassDecl intArrays = rt_array_class("[[I");
static ClassDecl stringArrays = rt_array_class("[[Ljava/lang/String;");
static ClassDecl checkboxArray = rt_array_class("[Ljava/awt/Checkbox;");

// The toolkit comes whole: its implementation package is found by name at start, and the
// package is delivered as one.
std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> library = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) library.push_back(c);
  std::vector<ClassDecl*> application = toolkit_classes();
  for (ClassDecl* c :
       {&booleanArray, &intArrays, &stringArrays, &checkboxArray, &ElementInfo::klass,
        &DialogInfo::klass, &DisplayOptionsPanel::klass, &TextBox::klass, &ScreenPanel::klass,
        &TableSection1::klass, &TableSection2::klass, &PTDialog::klass, &InfoDialog::klass,
        &AboutDialog::klass, &DisplayOptionsDialog::klass, &Closer::klass, &Orbitale::klass})
    application.push_back(c);
  return program_classes(library, application);
}

}  // namespace orbitale
