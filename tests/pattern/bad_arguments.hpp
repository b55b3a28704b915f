#pragma once
// Every kind of bad command line, with the one line velmor-pattern must
// write for it. arguments_test checks the parser's text; usage_errors_e2e
// checks that the real binary writes exactly that line, exit status 2, and
// nothing on standard output.

#include <ostream>
#include <string>
#include <vector>

struct BadArguments {
    std::vector<std::string> arguments;
    std::string diagnostic;  // without its line end
};

// A failing case names its command line, its bytes escaped.
inline void PrintTo(const BadArguments& bad, std::ostream* out) {
    *out << "velmor-pattern";
    for (const std::string& argument : bad.arguments) {
        *out << " [";
        for (const char c : argument) {
            if (c >= 0x20 && c < 0x7F) {
                *out << c;
            } else {
                *out << "\\x" << std::hex << (static_cast<unsigned>(c) & 0xFF) << std::dec;
            }
        }
        *out << "]";
    }
}

inline const std::string kSeeHelp = "; see velmor-pattern --help";

inline const BadArguments kBadArguments[] = {
    // Options.
    {{"--foo", "2", "8", "10"}, "velmor-pattern: unknown option '--foo'" + kSeeHelp},
    {{"--foo=1", "2", "8", "10"}, "velmor-pattern: unknown option '--foo=1'" + kSeeHelp},
    {{"-x", "2", "8", "10"}, "velmor-pattern: unknown option '-x'" + kSeeHelp},
    {{"-step", "1", "2", "8", "10"}, "velmor-pattern: unknown option '-step'" + kSeeHelp},
    {{"-h"}, "velmor-pattern: unknown option '-h'" + kSeeHelp},
    {{"--csv=1", "2", "8", "10"}, "velmor-pattern: option --csv takes no value: '--csv=1'" + kSeeHelp},
    {{"--js=", "2", "8", "10"}, "velmor-pattern: option --json takes no value: '--js='" + kSeeHelp},
    {{"2", "8", "10", "--step"}, "velmor-pattern: option --step needs a value: '--step'" + kSeeHelp},
    {{"2", "8", "10", "--t"}, "velmor-pattern: option --to needs a value: '--t'" + kSeeHelp},
    {{"--unit", "mm", "2", "8", "10"}, "velmor-pattern: --unit 'mm' is neither in nor cm"},
    {{"--unit", "IN", "2", "8", "10"}, "velmor-pattern: --unit 'IN' is neither in nor cm"},
    {{"--unit=", "2", "8", "10"}, "velmor-pattern: --unit '' is neither in nor cm"},
    {{"--csv", "--json", "2", "8", "10"}, "velmor-pattern: --csv and --json cannot be given together" + kSeeHelp},
    {{"2", "8", "10", "--json", "--csv"}, "velmor-pattern: --csv and --json cannot be given together" + kSeeHelp},

    // --step and --to.
    {{"--step", "0", "2", "8", "10"}, "velmor-pattern: --step '0' is not above zero"},
    {{"--step", "-0", "2", "8", "10"}, "velmor-pattern: --step '-0' is not above zero"},
    {{"--step", "-1", "2", "8", "10"}, "velmor-pattern: --step '-1' is not above zero"},
    {{"--step=-.5", "2", "8", "10"}, "velmor-pattern: --step '-.5' is not above zero"},
    {{"--step", "abc", "2", "8", "10"}, "velmor-pattern: --step 'abc' is not a number"},
    {{"--step", "1x", "2", "8", "10"}, "velmor-pattern: --step '1x' is not a number"},
    {{"--step", "", "2", "8", "10"}, "velmor-pattern: --step '' is not a number"},
    {{"--step", " 1", "2", "8", "10"}, "velmor-pattern: --step ' 1' is not a number"},
    {{"--step", "1 ", "2", "8", "10"}, "velmor-pattern: --step '1 ' is not a number"},
    {{"--step", "+1", "2", "8", "10"}, "velmor-pattern: --step '+1' is not a number"},
    {{"--step", "0x1", "2", "8", "10"}, "velmor-pattern: --step '0x1' is not a number"},
    {{"--step", "1,5", "2", "8", "10"}, "velmor-pattern: --step '1,5' is not a number"},
    {{"--step", "--csv", "2", "8", "10"}, "velmor-pattern: --step '--csv' is not a number"},
    {{"--step", "inf", "2", "8", "10"}, "velmor-pattern: --step 'inf' is not a finite number"},
    {{"--step", "nan", "2", "8", "10"}, "velmor-pattern: --step 'nan' is not a finite number"},
    {{"--step", "1e999", "2", "8", "10"}, "velmor-pattern: --step '1e999' is beyond the range of a double"},
    {{"--step", "1e-999", "2", "8", "10"}, "velmor-pattern: --step '1e-999' is beyond the range of a double"},
    {{"--to", "0", "2", "8", "10"}, "velmor-pattern: --to '0' is not in (0, 180]"},
    {{"--to", "-5", "2", "8", "10"}, "velmor-pattern: --to '-5' is not in (0, 180]"},
    {{"--to", "180.0001", "2", "8", "10"}, "velmor-pattern: --to '180.0001' is not in (0, 180]"},
    {{"--to", "-nan", "2", "8", "10"}, "velmor-pattern: --to '-nan' is not a finite number"},
    {{"--step", "0.00001", "2", "8", "10"},
     "velmor-pattern: --to '90' at --step '0.00001' gives 9000001 angles, more than 1000000"},
    {{"--step", "0.00009", "2", "8", "10"},
     "velmor-pattern: --to '90' at --step '0.00009' gives 1000001 angles, more than 1000000"},
    {{"--to", "1", "--step", "1e-300", "2", "8", "10"},
     "velmor-pattern: --to '1' at --step '1e-300' gives 1e+300 angles, more than 1000000"},

    // Operands: how many.
    {{}, "velmor-pattern: missing RADIUS, SLANT and FREQUENCY" + kSeeHelp},
    {{"--csv"}, "velmor-pattern: missing RADIUS, SLANT and FREQUENCY" + kSeeHelp},
    {{"2"}, "velmor-pattern: missing SLANT and FREQUENCY" + kSeeHelp},
    {{"2", "8"}, "velmor-pattern: missing FREQUENCY" + kSeeHelp},
    {{"2", "8", "10", "5"}, "velmor-pattern: extra operand '5'" + kSeeHelp},
    {{"2", "8", "10", "--", "--csv"}, "velmor-pattern: extra operand '--csv'" + kSeeHelp},

    // Operands: their values, checked in order.
    {{"x", "8", "10"}, "velmor-pattern: RADIUS 'x' is not a number"},
    {{"-", "8", "10"}, "velmor-pattern: RADIUS '-' is not a number"},
    {{"2", "8in", "10"}, "velmor-pattern: SLANT '8in' is not a number"},
    {{"2", "8", "10GHz"}, "velmor-pattern: FREQUENCY '10GHz' is not a number"},
    {{"2", "8", "1.5D1"}, "velmor-pattern: FREQUENCY '1.5D1' is not a number"},
    {{"x", "y", "z"}, "velmor-pattern: RADIUS 'x' is not a number"},
    {{"0", "8", "10"}, "velmor-pattern: RADIUS '0' is not above zero"},
    {{"-1", "8", "10"}, "velmor-pattern: RADIUS '-1' is not above zero"},
    {{"-.5", "8", "10"}, "velmor-pattern: RADIUS '-.5' is not above zero"},
    {{"-1e-3", "8", "10"}, "velmor-pattern: RADIUS '-1e-3' is not above zero"},
    {{"--", "-1", "8", "10"}, "velmor-pattern: RADIUS '-1' is not above zero"},
    {{"2", "-8", "10"}, "velmor-pattern: SLANT '-8' is not above zero"},
    {{"2", "8", "-0"}, "velmor-pattern: FREQUENCY '-0' is not above zero"},
    {{"-inf", "8", "10"}, "velmor-pattern: RADIUS '-inf' is not a finite number"},
    {{"2", "infinity", "10"}, "velmor-pattern: SLANT 'infinity' is not a finite number"},
    {{"2", "8", "nan"}, "velmor-pattern: FREQUENCY 'nan' is not a finite number"},
    {{"2", "1e999", "10"}, "velmor-pattern: SLANT '1e999' is beyond the range of a double"},
    {{"2", "1e39", "10"}, "velmor-pattern: SLANT '1e39' is beyond single precision, in which the table model reads it"},
    {{"1e-50", "8", "10"},
     "velmor-pattern: RADIUS '1e-50' is beyond single precision, in which the table model reads it"},
    {{"2", "8", "3.5e38"},
     "velmor-pattern: FREQUENCY '3.5e38' is beyond single precision, in which the table model reads it"},
    {{"8", "2", "10"}, "velmor-pattern: RADIUS '8' is not below SLANT '2': no cone has a >= L"},
    {{"2", "2", "10"}, "velmor-pattern: RADIUS '2' is not below SLANT '2': no cone has a >= L"},
    {{"2", "2.0", "10"}, "velmor-pattern: RADIUS '2' is not below SLANT '2.0': no cone has a >= L"},
    {{"300", "400", "10"}, "velmor-pattern: RADIUS '300' in at FREQUENCY '10' GHz: ka = 1597.03 is above 1000"},
    {{"--unit", "cm", "500", "600", "10"},
     "velmor-pattern: RADIUS '500' cm at FREQUENCY '10' GHz: ka = 1047.92 is above 1000"},
    {{"3e38", "3.4e38", "3e38"},
     "velmor-pattern: RADIUS '3e38' in at FREQUENCY '3e38' GHz: ka = 4.7911e+76 is above 1000"},

    // The order of the checks: options, the table's size, operands.
    {{"x", "--step", "0", "8", "10"}, "velmor-pattern: --step '0' is not above zero"},
    {{"--step", "0.00001", "x"}, "velmor-pattern: --to '90' at --step '0.00001' gives 9000001 angles, more than 1000000"},
    {{"--foo", "--help"}, "velmor-pattern: unknown option '--foo'" + kSeeHelp},
    {{"--step", "0", "--version"}, "velmor-pattern: --step '0' is not above zero"},

    // What a diagnostic shows of an argument.
    {{"2\n", "8", "10"}, "velmor-pattern: RADIUS '2\\n' is not a number"},
    {{"\t", "8", "10"}, "velmor-pattern: RADIUS '\\t' is not a number"},
    {{"\x1b[31m", "8", "10"}, "velmor-pattern: RADIUS '\\x1B[31m' is not a number"},
    {{"it's", "8", "10"}, "velmor-pattern: RADIUS 'it\\'s' is not a number"},
    {{"a\\b", "8", "10"}, "velmor-pattern: RADIUS 'a\\\\b' is not a number"},
    {{"\xc2\xb5m", "8", "10"}, "velmor-pattern: RADIUS '\\xC2\\xB5m' is not a number"},
    {{std::string(100, '7') + "x", "8", "10"},
     "velmor-pattern: RADIUS '" + std::string(40, '7') + "'... is not a number"},
};
