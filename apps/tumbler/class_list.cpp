// Tumbler's class list.
#include "class_list.h"

#include "AnimChar.h"
#include "AnimException.h"
#include "AnimManager.h"
#include "Pellow.h"
#include "Rectangle.h"
#include "Tumbler.h"
#include "class_lists.h"
#include "com/sun/kjava/class_list.h"

namespace tumbler {

static ClassDecl shortArray = rt_array_class("[S");
static ClassDecl bitmapArray = rt_array_class("[Lcom/sun/kjava/Bitmap;");
static ClassDecl charArray = rt_array_class("[LAnimChar;");

std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> library = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) library.push_back(c);
  return program_classes(library, {&shortArray, &bitmapArray, &Rectangle::klass,
                                   &AnimException::klass, &AnimChar::klass, &charArray,
                                   &AnimManager::klass, &Pellow::klass, &Tumbler::klass});
}

}  // namespace tumbler
