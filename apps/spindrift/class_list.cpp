// Spindrift's class list.
#include "class_list.h"

#include "ObjectRotator.h"
#include "Spindrift.h"
#include "ThreeDeeObject.h"
#include "Trigonometric.h"
#include "class_lists.h"
#include "com/sun/kjava/class_list.h"

namespace spindrift {

static ClassDecl intArrays = rt_array_class("[[I");

std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> list = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) list.push_back(c);
  for (ClassDecl* c : {&intArrays, &Trigonometric::klass, &ThreeDeeObject::klass,
                       &ObjectRotator::klass, &Spindrift::klass})
    list.push_back(c);
  return list;
}

}  // namespace spindrift
