// Spindrift's program: what the host starts.
#include "Spindrift.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(spindrift::classes()); }

// What --help says of Spindrift.
static const HostHelp help = {
    .about = "a wire-frame logo turning in three dimensions",
    .colour = "colour on; Spindrift draws in black and white either way (it starts monochrome)",
    .frames = true,
    .controls =
        "  tap                 put the logo back to its starting orientation\n"
        "  stroke              turn the logo by the stroke's length\n"
        "  PgUp, PgDn          move the logo nearer, farther\n"
        "  x, Exit             end the program\n"
        "  bottom line         the mean time of the last ten frames (N msec/frame)\n",
};

// Monochrome unless "-color" is given.
const HostApplication host_application = {
    .name = "Spindrift",
    .colourByDefault = 0,
    .program = &program,
    .main = &spindrift::Spindrift::main,
    .help = &help,
};
