// Class table builder: records, selectors, statics and well-known indexes from declarations.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "runtime/class_decl.h"

namespace {

struct Built {
  std::vector<ClassRecord> records;
  std::vector<std::vector<MethodEntry>> methods;
  std::vector<std::vector<uint16_t>> refs;
  std::vector<std::vector<uint16_t>> interfaces;
  std::vector<uintptr_t> statics;
  std::vector<uint8_t> initFlags;
  std::vector<ClassDecl*> classes;  // so that the next build can forget them
  std::vector<Operations*> operations;
  ProgramImage image{};
};

Built g_built;

[[noreturn]] void build_error(const char* what, const char* name) {
  fprintf(stderr, "class table: %s: %s\n", what, name);
  abort();
}

bool is_ref_array(const char* name) { return name[0] == '[' && (name[1] == 'L' || name[1] == '['); }

uint16_t element_size(const char* name) {
  switch (name[1]) {
    case 'Z':
    case 'B':
      return 1;
    case 'C':
    case 'S':
      return 2;
    case 'I':
    case 'F':
      return 4;
    case 'J':
    case 'D':
      return 8;
    default:
      return sizeof(Ref);
  }
}

// "[Ljava/lang/String;" -> "java/lang/String", "[[I" -> "[I".
std::string element_name(const char* name) {
  std::string s(name + 1);
  if (s[0] == 'L') s = s.substr(1, s.size() - 2);
  return s;
}

bool descends_from(const ClassDecl* c, const char* ancestor) {
  for (; c; c = c->super)
    if (strcmp(c->name, ancestor) == 0) return true;
  return false;
}

bool is_ancestor(const ClassDecl* a, const ClassDecl* c) {
  for (; c; c = c->super)
    if (c == a) return true;
  return false;
}

// Whether c, or a class above it, implements the interface itf (directly or through
// superinterfaces).
bool implements(const ClassDecl* c, const ClassDecl* itf) {
  for (; c; c = c->super)
    for (const ClassDecl* i : c->interfaces)
      if (i == itf || implements(i, itf)) return true;
  return false;
}

// Virtual selectors: a class's new methods number on from the highest in its superclass
// chain; an override keeps the selector of the slot it names. A class that implements an
// interface's method names the interface's slot; the method is then a virtual method of
// that class, numbered like its new ones (an override below keeps that number), while
// the slot's own selector stays the interface's.
class SelectorNumbering {
 public:
  SelectorNumbering(size_t n, const std::vector<Operations*>& named)
      : done_(n, false), highest_(n, -1), named_(named) {}

  bool present(const MethodImpl& m) const {
    return !m.only || std::find(named_.begin(), named_.end(), m.only) != named_.end();
  }

  // The virtual selector of c's entry for m.
  uint16_t selector(const ClassDecl* c, const MethodImpl& m) const {
    if (!(m.slot->owner->flags & CLS_INTERFACE) || c == m.slot->owner) return m.slot->vsel;
    for (; c; c = c->super) {
      auto it = implemented_.find({c, m.slot});
      if (it != implemented_.end()) return it->second;
    }
    return RT_NO_SELECTOR;
  }

  void number(const ClassDecl* c) {
    if (done_[c->index]) return;
    int next = -1;
    if (c->super) {
      number(c->super);
      next = highest_[c->super->index];
    }
    for (const MethodImpl& m : c->methods) {
      if (!present(m)) continue;
      if (m.slot->owner == c) {
        m.slot->vsel = static_cast<uint16_t>(++next);
      } else if ((m.slot->owner->flags & CLS_INTERFACE) && implements(c, m.slot->owner)) {
        uint16_t inherited = c->super ? selector(c->super, m) : RT_NO_SELECTOR;
        implemented_[{c, m.slot}] =
            inherited != RT_NO_SELECTOR ? inherited : static_cast<uint16_t>(++next);
      } else if (!is_ancestor(m.slot->owner, c)) {
        build_error("override of a method from outside the superclass chain", c->name);
      }
    }
    highest_[c->index] = next;
    done_[c->index] = true;
  }

 private:
  std::vector<bool> done_;
  std::vector<int> highest_;
  const std::vector<Operations*>& named_;
  std::map<std::pair<const ClassDecl*, const MethodSlot*>, uint16_t> implemented_;
};

// The operations that a program's classes name, directly or through other operations.
std::vector<Operations*> named_operations(const std::vector<ClassDecl*>& classes) {
  std::vector<Operations*> found;
  std::vector<Operations*> work;
  for (ClassDecl* c : classes) work.insert(work.end(), c->reaches.begin(), c->reaches.end());
  while (!work.empty()) {
    Operations* op = work.back();
    work.pop_back();
    if (std::find(found.begin(), found.end(), op) != found.end()) continue;
    found.push_back(op);
    work.insert(work.end(), op->operations.begin(), op->operations.end());
  }
  return found;
}

}  // namespace

std::vector<ClassDecl*> rt_reached_classes(const std::vector<ClassDecl*>& library,
                                           const std::vector<const ClassDecl*>& roots) {
  std::set<const ClassDecl*> reached;
  std::set<const Operations*> ops;
  std::vector<const ClassDecl*> work(roots.begin(), roots.end());
  auto reach_ops = [&](const std::vector<Operations*>& list, auto& self) -> void {
    for (const Operations* op : list) {
      if (!ops.insert(op).second) continue;
      work.insert(work.end(), op->classes.begin(), op->classes.end());
      self(op->operations, self);
    }
  };
  while (!work.empty()) {
    const ClassDecl* c = work.back();
    work.pop_back();
    if (!c || !reached.insert(c).second) continue;
    if (std::find(library.begin(), library.end(), c) == library.end())
      build_error("reached class not in the library", c->name);
    work.push_back(c->super);
    work.insert(work.end(), c->interfaces.begin(), c->interfaces.end());
    work.insert(work.end(), c->uses.begin(), c->uses.end());
    if (c->flags & CLS_REF_ARRAY) {
      std::string elem = element_name(c->name);
      for (const ClassDecl* d : library)
        if (elem == d->name) work.push_back(d);
    }
    reach_ops(c->reaches, reach_ops);
  }
  std::vector<ClassDecl*> out;
  for (ClassDecl* c : library)
    if (reached.count(c)) out.push_back(c);
  return out;
}

ClassDecl rt_array_class(const char* name) {
  ClassDecl d{.name = name};
  d.instanceSize = RT_ARRAY_INSTANCE_SIZE;
  d.flags = is_ref_array(name) ? (CLS_ARRAY | CLS_REF_ARRAY) : CLS_ARRAY;
  return d;
}

const ProgramImage& rt_build_program(const std::vector<ClassDecl*>& classes) {
  Built& b = g_built;
  size_t n = classes.size();
  if (n > 32767) build_error("too many classes", "");
  // A class or operation the new program lacks must not keep the last program's place.
  for (ClassDecl* c : b.classes) {
    c->index = -1;
    c->statics = nullptr;
  }
  for (Operations* op : b.operations) op->statics = nullptr;
  b = Built{};
  b.classes = classes;
  b.operations = named_operations(classes);
  b.records.resize(n);
  b.methods.resize(n);
  b.refs.resize(n);
  b.interfaces.resize(n);
  b.initFlags.assign(n, 0);

  const ClassDecl* object = nullptr;
  for (size_t i = 0; i < n; i++) {
    classes[i]->index = static_cast<int16_t>(i);
    if (strcmp(classes[i]->name, "java/lang/Object") == 0) object = classes[i];
  }
  if (!object) build_error("missing class", "java/lang/Object");
  auto in_table = [&](const ClassDecl* d) {
    return d && d->index >= 0 && static_cast<size_t>(d->index) < n && classes[d->index] == d;
  };

  // Interface selectors: one per signature, in order of first appearance. A slot the
  // program lacks keeps no selector from an earlier build.
  SelectorNumbering numbering(n, b.operations);
  std::map<std::string, uint16_t> isel;
  for (ClassDecl* c : classes)
    for (MethodImpl& m : c->methods) {
      if (!numbering.present(m)) {
        if (m.slot->owner == c) m.slot->vsel = m.slot->isel = RT_NO_SELECTOR;
        continue;
      }
      auto it = isel.emplace(m.slot->signature, static_cast<uint16_t>(isel.size())).first;
      m.slot->isel = it->second;
    }
  for (ClassDecl* c : classes) {
    if (c->super && !in_table(c->super)) build_error("superclass not in table", c->name);
    numbering.number(c);
  }

  size_t staticWords = 0;
  for (ClassDecl* c : classes) staticWords += c->staticWords;
  for (Operations* op : b.operations) staticWords += op->staticWords;
  b.statics.assign(staticWords ? staticWords : 1, 0);
  staticWords = 0;

  for (size_t i = 0; i < n; i++) {
    ClassDecl* c = classes[i];
    ClassRecord& r = b.records[i];
    r.superIndex =
        c == object ? -1 : static_cast<int16_t>(c->super ? c->super->index : object->index);
    if (c->instanceSize > 0xffff) build_error("instance too large", c->name);
    r.instanceSize = static_cast<uint16_t>(c->instanceSize);
    for (size_t off : c->refOffsets) b.refs[i].push_back(static_cast<uint16_t>(off));
    r.refOffsets = b.refs[i].empty() ? nullptr : b.refs[i].data();
    r.refCount = static_cast<uint16_t>(b.refs[i].size());
    r.flags = c->flags;
    if (descends_from(c, "java/lang/Throwable")) r.flags |= CLS_THROWABLE;
    if (descends_from(c, "java/lang/Thread")) r.flags |= CLS_THREAD;
    r.classInit = c->classInit;
    const ClassDecl* ctorFrom = c;
    while (ctorFrom && !ctorFrom->defaultCtor) ctorFrom = ctorFrom->super;
    r.defaultCtor = ctorFrom ? ctorFrom->defaultCtor : object->defaultCtor;
    r.name = c->name;
    if (!(c->flags & CLS_INTERFACE))
      for (const MethodImpl& m : c->methods)
        if (m.code && numbering.present(m))
          b.methods[i].push_back(MethodEntry{numbering.selector(c, m), m.slot->isel, m.code});
    std::stable_sort(b.methods[i].begin(), b.methods[i].end(),
                     [](const MethodEntry& x, const MethodEntry& y) {
                       return x.virtualSelector < y.virtualSelector;
                     });
    for (size_t k = 1; k < b.methods[i].size(); k++)  // one entry per virtual selector
      PALM_ASSERT(b.methods[i][k - 1].virtualSelector < b.methods[i][k].virtualSelector);
    r.methods = b.methods[i].empty() ? nullptr : b.methods[i].data();
    r.methodCount = static_cast<uint16_t>(b.methods[i].size());
    for (const ClassDecl* itf : c->interfaces) {
      if (!in_table(itf)) build_error("interface not in table", c->name);
      b.interfaces[i].push_back(static_cast<uint16_t>(itf->index));
    }
    r.interfaces = b.interfaces[i].empty() ? nullptr : b.interfaces[i].data();
    r.interfaceCount = static_cast<uint16_t>(b.interfaces[i].size());
    r.extra = 0;
    if (r.flags & CLS_REF_ARRAY) {
      std::string elem = element_name(c->name);
      auto it = std::find_if(classes.begin(), classes.end(),
                             [&](const ClassDecl* d) { return elem == d->name; });
      if (it == classes.end()) build_error("element class not in table", c->name);
      r.extra = static_cast<uintptr_t>((*it)->index);
    } else if (r.flags & CLS_ARRAY) {
      r.extra = element_size(c->name);
    } else if (r.flags & CLS_THROWABLE) {
      r.extra = reinterpret_cast<uintptr_t>(c->ctor1);
    } else if (r.flags & CLS_THREAD) {
      auto it = isel.find("run()");
      if (it == isel.end()) build_error("thread class without run()", c->name);
      r.extra = it->second;
    }
    c->statics = b.statics.data() + staticWords;
    staticWords += c->staticWords;
  }
  for (Operations* op : b.operations) {
    op->statics = b.statics.data() + staticWords;
    staticWords += op->staticWords;
  }

  ProgramImage& img = b.image;
  img.classes = b.records.data();
  img.classCount = static_cast<int32_t>(n);
  img.statics = b.statics.data();
  img.staticWords = static_cast<int32_t>(staticWords);
  img.initFlags = b.initFlags.data();
  auto index_of = [&](const char* name) -> int16_t {
    for (size_t i = 0; i < n; i++)
      if (strcmp(classes[i]->name, name) == 0) return static_cast<int16_t>(i);
    return -1;
  };
  img.charArrayClass = index_of("[C");
  img.stringClass = index_of("java/lang/String");
  img.classClass = index_of("java/lang/Class");
  img.stringBufferClass = index_of("java/lang/StringBuffer");
  img.threadClass = index_of("java/lang/Thread");
  if (img.stringClass >= 0)
    img.stringFromChars = reinterpret_cast<void (*)(Ref, Ref)>(classes[img.stringClass]->ctor1);
  return img;
}
