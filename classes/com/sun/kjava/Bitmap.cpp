// com/sun/kjava/Bitmap
#include "com/sun/kjava/Bitmap.h"

namespace com::sun::kjava {

ClassDecl Bitmap::klass = {
    .name = "com/sun/kjava/Bitmap",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(data)},
};

void Bitmap::init(Ref self, Ref data) {
  java::lang::Object::init(self);
  f(self).data = data;
}

}  // namespace com::sun::kjava
