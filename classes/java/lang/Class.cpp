// java/lang/Class
#include "java/lang/Class.h"

#include "java/lang/String.h"

namespace java::lang {

ClassDecl Class::klass = {
    .name = "java/lang/Class",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(Object::m_toString, &Class::toString)},
    .uses = {&java::lang::String::klass},
};

Ref Class::forIndex(int index) {
  Ref c = rt_new_object(klass.index);
  f(c).index = static_cast<uint16_t>(index);
  return c;
}

// Matches names char by char on their low 8 bits, '.' in the argument standing for '/'.
// The class found is not initialised.
Ref Class::forName(Ref name) {
  clinit<Class>();
  if (!name) rt_throw_error(ERR_NULL_POINTER);
  const auto& s = String::f(name);
  const jchar* chars = elements<jchar>(s.value) + s.offset;
  for (int i = 0; i < rt_image.classCount && i < 32767; i++) {
    const char* n = rt_record(i)->name;
    jint k = 0;
    while (k < s.count && n[k]) {
      jchar c = chars[k] & 0xff;
      if (c == '.') c = '/';
      if (c != static_cast<unsigned char>(n[k])) break;
      k++;
    }
    if (k == s.count && n[k] == 0) return forIndex(i);
  }
  rt_throw_error(ERR_CLASS_NOT_FOUND);
}

// No check that the class is concrete or accessible.
Ref Class::newInstance(Ref self) {
  int index = f(nn(self)).index;
  Ref volatile obj = rt_new_object(index);
  rt_init_class(index);
  rt_record(index)->defaultCtor(obj);
  return obj;
}

// Not implemented: null is a NullPointerException, anything else "Method not implemented".
jbool Class::isInstance(Ref self, Ref obj) {
  rt_throw_error(self && obj ? ERR_NOT_IMPLEMENTED : ERR_NULL_POINTER);
}

jbool Class::isAssignableFrom(Ref self, Ref cls) {
  rt_throw_error(self && cls ? ERR_NOT_IMPLEMENTED : ERR_NULL_POINTER);
}

jbool Class::isInterface(Ref self) {
  return (rt_record(f(nn(self)).index)->flags & CLS_INTERFACE) != 0;
}

jbool Class::isArray(Ref self) { return (rt_record(f(nn(self)).index)->flags & CLS_ARRAY) != 0; }

// Names keep their '/' separators.
Ref Class::getName(Ref self) { return lit(rt_record(f(nn(self)).index)->name); }

Ref Class::toString(Ref self) {
  return jconcat({lit(isInterface(self) ? "interface " : "class "), getName(self)});
}

}  // namespace java::lang
