// Orbitale's program: what the host starts.
#include "Orbitale.h"
#include "class_list.h"
#include "host/host.h"

static const ProgramImage& program() { return rt_build_program(orbitale::classes()); }

// What --help says of Orbitale.
static const HostHelp help = {
    .about = "the periodic table of the elements, fifteen properties of each",
    .colour =
        "black and white: title bars, scroll bars and the toolkit's other accents are "
        "drawn in black (Orbitale starts in colour)",
    .frames = false,
    .controls =
        "  tap a cell          mark the element; lifting the pen opens its information,\n"
        "                      which scrolls with its bar and closes with OK\n"
        "  --> and <--         switch between the table's two halves\n"
        "  title bar, Menu     open the Options menu: Display (symbols or atomic numbers,\n"
        "                      which groups to show) and About Orbitale\n",
};

// In colour unless "-nocolor" is given.
const HostApplication host_application = {
    .name = "Orbitale",
    .colourByDefault = 1,
    .program = &program,
    .main = &orbitale::Orbitale::main,
    .help = &help,
};
