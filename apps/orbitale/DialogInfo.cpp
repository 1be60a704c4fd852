// DialogInfo: what the information dialog shows of one element.
#include "DialogInfo.h"

#include "java/lang/String.h"

namespace orbitale {

ClassDecl DialogInfo::klass = {
    .name = "DialogInfo",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(title), JAVA_REF(lines)},
    .defaultCtor = &DialogInfo::init,
    .uses = {&java::lang::Object::klass, &java::lang::String::klass},
};

void DialogInfo::init(Ref self) {
  java::lang::Object::init(self);
  f(self).lines = rt_new_ref_array(rt_class_index_by_name("[Ljava/lang/String;"),
                                   java::lang::String::klass.index, LINES);
}

}  // namespace orbitale
