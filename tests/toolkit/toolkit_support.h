// What the toolkit tests share: the class list, a probe component that logs what reaches it,
// and input through the host's queue.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "in_process.h"
#include "java/awt/Component.h"

extern std::vector<std::string> g_log;

// A component that logs its events ("A 501 5 5", "A key 30", "A activate") and fills itself
// with its foreground when painted. Mouse events are enabled. It is the widgets' listener too:
// "A action <command>", "A item <item> <state>", "A adjust <type> <value>".
struct Probe {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint tag;  // the log's first character
  };
  JAVA_FIELDS(java::awt::Component)
  static void init(Ref self, jint tag);
  static void paint(Ref self, Ref g);
  static void processEvent(Ref self, Ref e);
  static void activate(Ref self, Ref e);
  static void action(Ref self, Ref e);
  static void item(Ref self, Ref e);
  static void adjust(Ref self, Ref e);
};

// Called on a probe's pen press, in place of logging it, when set.
extern void (*g_onPress)(Ref probe, Ref event);

std::vector<ClassDecl*> toolkit_test_classes();

// A component's bounds, printable in a failed check.
struct Box {
  jint x, y, w, h;
  bool operator==(const Box&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const Box& b) {
  return o << "(" << b.x << ", " << b.y << ", " << b.w << ", " << b.h << ")";
}
inline Box bounds(Ref c) {
  auto& f = java::awt::Component::f(c);
  return {f.x, f.y, f.width, f.height};
}

// A component of the given size at (x, y) in its parent.
Ref probe(char tag, jint x, jint y, jint w, jint h);
// A shown frame of the screen's size without a layout manager; its damage is painted.
Ref shown_frame();
