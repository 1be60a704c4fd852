// Test harness: program runner and small helpers over Java values.
#include "harness.h"

#include <cstring>

#include "class_lists.h"
#include "java/lang/String.h"
#include "java/lang/Throwable.h"

using java::lang::String;

void run_library(const std::function<void()>& body, std::vector<ClassDecl*> extra) {
  std::vector<ClassDecl*> classes = cldc_core_classes();
  classes.insert(classes.end(), extra.begin(), extra.end());
  run_program(classes, body);
}

__attribute__((noinline)) void run_program(const std::vector<ClassDecl*>& classes,
                                           const std::function<void()>& body) {
  host_log = HostLog{};
  system_log.console.clear();
  system_log.exits.clear();
  const ProgramImage& image = rt_build_program(classes);
  if (!rt_init(image)) return;
  coop_init();
  // The head thread gets a Thread object that was allocated but not constructed.
  Ref head = rt_new_object(image.threadClass);
  rt_set_int(head, 0, 5);
  coop_current()->arg = head;
  rt_init_all_classes();
  body();
  coop_shutdown();
  rt_shutdown();
}

std::string text(Ref s) { return s ? jstring_bytes(s) : "<null>"; }

std::u16string chars(Ref s) {
  const auto& f = String::f(s);
  const jchar* c = elements<jchar>(f.value) + f.offset;
  return std::u16string(c, c + f.count);
}

Ref jstr16(const std::u16string& s) {
  Ref volatile a = new_char_array(static_cast<jint>(s.size()));
  memcpy(elements<jchar>(a), s.data(), 2 * s.size());
  return jnew<String>(static_cast<Ref>(a));
}

std::string thrown(const std::function<void()>& fn) {
  try {
    fn();
  } catch (JavaThrow& e) {
    return text(vcall(java::lang::Object::m_toString, e.object()));
  }
  return "no exception";
}

Ref bytes(const std::vector<int>& values) {
  Ref a = new_byte_array(static_cast<jint>(values.size()));
  for (size_t i = 0; i < values.size(); i++) elements<jbyte>(a)[i] = static_cast<jbyte>(values[i]);
  return a;
}

std::vector<int> bytes_of(Ref array) {
  std::vector<int> out;
  for (jint i = 0; i < alen(array); i++) out.push_back(elements<uint8_t>(array)[i]);
  return out;
}
