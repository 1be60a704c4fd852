// The toolkit test program: what the host starts.
#include "Meter.h"
#include "WidgetDemo.h"
#include "class_lists.h"
#include "com/sun/kjava/class_list.h"
#include "host/host.h"
#include "java/awt/class_list.h"

static const ProgramImage& program() {
  std::vector<ClassDecl*> list = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) list.push_back(c);
  for (ClassDecl* c : toolkit_classes()) list.push_back(c);
  list.insert(list.end(), {&widgets::Meter::klass, &widgets::WidgetDemo::klass});
  return rt_build_program(list);
}

// In colour unless "-nocolor" is given, as the toolkit's application is.
const HostApplication host_application = {
    .name = "Widgets",
    .colourByDefault = 1,
    .program = &program,
    .main = &widgets::WidgetDemo::main,
};
