// Tumbler's program: what the host starts.
#include "Tumbler.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(tumbler::classes()); }

// What --help says of Tumbler.
static const HostHelp help = {
    .about = "a cartoon character walking, hopping and waving on a framed stage",
    .colour =
        "read the one-bit pictures as one byte a pixel, so the character shows as a "
        "thin two-pixel stroke (Tumbler starts monochrome)",
    .frames = false,
    .controls =
        "  Come on             call the character onto the stage\n"
        "  Bye                 send it away\n"
        "  Exit                end the program\n",
};

// Monochrome unless "-color" is given.
const HostApplication host_application = {
    .name = "Tumbler",
    .colourByDefault = 0,
    .program = &program,
    .main = &tumbler::Tumbler::main,
    .help = &help,
};
