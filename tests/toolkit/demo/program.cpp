// The toolkit test program: what the host starts.
#include "WidgetDemo.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(widgets::classes()); }

// In colour unless "-nocolor" is given, as the toolkit's application is.
const HostApplication host_application = {
    .name = "Widgets",
    .colourByDefault = 1,
    .program = &program,
    .main = &widgets::WidgetDemo::main,
};
