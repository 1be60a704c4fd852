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
  std::vector<ClassDecl*> list = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) list.push_back(c);
  for (ClassDecl* c :
       {&com::sun::kjava::Trigonometric::klass, &intArrays, &VorelObject::klass, &Glimmer::klass})
    list.push_back(c);
  return list;
}

}  // namespace glimmer
