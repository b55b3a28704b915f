#include "pattern/usage_text.hpp"

namespace pattern {

std::string_view helpText() {
    return "Usage: velmor-pattern [--unit in|cm] [--step DEG] [--to DEG] [--csv | --json]\n"
           "                      RADIUS SLANT FREQUENCY\n"
           "\n"
           "The radiation pattern, 45-degree cross-polarisation and phase centre of a\n"
           "conical horn fed in the TE11 mode, from its aperture field: aperture radius\n"
           "RADIUS and slant length SLANT, at FREQUENCY in GHz. Beside them, the gain\n"
           "and beamwidths of velmor's table model for the same horn.\n"
           "\n"
           "  --unit in|cm  RADIUS and SLANT, and the lengths printed, in inches (the\n"
           "                default) or centimetres\n"
           "  --step DEG    angle step of the pattern table (default 1)\n"
           "  --to DEG      last angle of the pattern table, up to 180 (default 90)\n"
           "  --csv         print only the pattern table, as CSV\n"
           "  --json        print only the summary, as one JSON object\n"
           "  --help        print this help and exit\n"
           "  --version     print the version and exit\n"
           "\n"
           "Without --csv or --json the output is a report for a person.\n"
           "Exit status: 0 done, 1 the output could not be written, 2 bad arguments.\n"
           "Manual: man velmor-pattern\n";
}

std::string_view versionText() { return "velmor-pattern " VELMOR_VERSION "\n"; }

}  // namespace pattern
