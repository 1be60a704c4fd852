// Glimmer's program: what the host starts.
#include "Glimmer.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(glimmer::classes()); }

// What --help says of Glimmer.
static const HostHelp help = {
    .about = "a wire-frame word tumbling at random",
    .colour = "colour on; Glimmer draws in black and white either way (it starts monochrome)",
    .frames = true,
    .controls =
        "  Stop, Start         freeze the picture, set it going again\n"
        "  PgUp, PgDn          move the word nearer, farther\n"
        "  Exit                end the program\n",
};

// Monochrome unless "-color" is given.
const HostApplication host_application = {
    .name = "Glimmer",
    .colourByDefault = 0,
    .program = &program,
    .main = &glimmer::Glimmer::main,
    .help = &help,
};
