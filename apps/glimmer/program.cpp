// Glimmer's program: what the host starts.
#include "Glimmer.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(glimmer::classes()); }

// Monochrome unless "-color" is given.
const HostApplication host_application = {
    .name = "Glimmer",
    .colourByDefault = 0,
    .program = &program,
    .main = &glimmer::Glimmer::main,
};
