// Glimmer's class list.
#include "class_list.h"

#include "Glimmer.h"
#include "VorelObject.h"
#include "class_lists.h"
#include "com/sun/kjava/Trigonometric.h"
#include "com/sun/kjava/class_list.h"

namespace glimmer {

static ClassDecl intArrays = rt_array_class("[[I");

std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> library = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) library.push_back(c);
  return program_classes(library, {&com::sun::kjava::Trigonometric::klass, &intArrays,
                                   &VorelObject::klass, &Glimmer::klass});
}

}  // namespace glimmer
