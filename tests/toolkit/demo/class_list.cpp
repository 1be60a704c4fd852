// The toolkit test program's class list.
#include "class_list.h"

#include "Meter.h"
#include "WidgetDemo.h"
#include "class_lists.h"
#include "com/sun/kjava/class_list.h"
#include "java/awt/class_list.h"

namespace widgets {

std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> list = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) list.push_back(c);
  for (ClassDecl* c : toolkit_classes()) list.push_back(c);
  list.push_back(&Meter::klass);
  list.push_back(&WidgetDemo::klass);
  return list;
}

}  // namespace widgets
