// Spindrift's program: what the host starts.
#include "Spindrift.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(spindrift::classes()); }

// Monochrome unless "-color" is given.
const HostApplication host_application = {
    .name = "Spindrift",
    .colourByDefault = 0,
    .program = &program,
    .main = &spindrift::Spindrift::main,
};
