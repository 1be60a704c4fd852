// Tumbler's program: what the host starts.
#include "Tumbler.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(tumbler::classes()); }

// Monochrome unless "-color" is given.
const HostApplication host_application = {
    .name = "Tumbler",
    .colourByDefault = 0,
    .program = &program,
    .main = &tumbler::Tumbler::main,
};
