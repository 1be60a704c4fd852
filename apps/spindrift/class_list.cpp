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
  std::vector<ClassDecl*> library = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) library.push_back(c);
  return program_classes(library, {&intArrays, &Trigonometric::klass, &ThreeDeeObject::klass,
                                   &ObjectRotator::klass, &Spindrift::klass});
}

}  // namespace spindrift
