// Orbitale's program: what the host starts.
#include "Orbitale.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(orbitale::classes()); }

// In colour unless "-nocolor" is given.
const HostApplication host_application = {
    .name = "Orbitale",
    .colourByDefault = 1,
    .program = &program,
    .main = &orbitale::Orbitale::main,
};
