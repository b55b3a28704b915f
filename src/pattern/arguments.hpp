#pragma once
// The command line of velmor-pattern, taken apart and checked:
//
//   velmor-pattern [--unit in|cm] [--step DEG] [--to DEG] [--csv | --json]
//                  RADIUS SLANT FREQUENCY
//
// Options may stand before, between or after the operands, up to "--",
// after which every argument is an operand. A long option may be shortened
// to any prefix that names it alone (--st for --step); its value follows as
// the next argument or after '=' (--step=0.5). An option given twice counts
// as given last. An argument that begins with '-' and reads as a negative
// number (-1, -.5, -inf) is an operand, not an option, and is then refused
// for its value.
//
// Checks, in this order; the first failing one is the usage error:
//   1. the options, left to right: an unknown option, an option without its
//      value or with a value it does not take, --unit other than in or cm,
//      --step not a finite number above zero, --to not in (0, 180], --csv
//      together with --json. --help or --version ends the reading where it
//      stands;
//   2. at most kMostAngles angles in the pattern table;
//   3. three operands, no more, no fewer;
//   4. RADIUS, SLANT and FREQUENCY, each a finite number above zero that
//      single precision holds (the table model reads them so);
//   5. RADIUS below SLANT: no cone has a >= L;
//   6. ka = 2 pi a / lambda at most kLargestKa.

#include <string>
#include <string_view>
#include <variant>

#include "horn/arithmetic.hpp"
#include "pattern/horn_quantities.hpp"

namespace pattern {

// The physics' cost grows like ka^2 (nodes and series terms both grow
// like ka, and so do the angles its scans visit); no practical horn comes
// near ka = 1000, an aperture some 320 wavelengths across.
inline constexpr double kLargestKa = 1000;
// A table of a million angles is about 50 MB of CSV.
inline constexpr double kMostAngles = 1'000'000;
// --to: the pattern is defined from the axis to the back, 180 degrees.
inline constexpr double kLargestAngle = 180;

// The beginning of every line the program writes to standard error.
inline constexpr std::string_view kDiagnosticPrefix = "velmor-pattern: ";

enum class OutputFormat { report, csv, json };

struct AngleArgument {
    std::string_view text;
    double value;  // degrees
};

// RADIUS, SLANT or FREQUENCY: the text, its double for the physics, and the
// Real that velmor would read from the same text for the table model.
struct HornArgument {
    std::string_view text;
    double value;
    Real real;
};

struct Request {
    LengthUnit unit = LengthUnit::inch;
    OutputFormat format = OutputFormat::report;
    AngleArgument step{"1", 1};
    AngleArgument to{"90", 90};
    HornArgument radius{}, slant{}, frequency{};
};

struct ShowHelp {};
struct ShowVersion {};

// One line, without its line end, beginning "velmor-pattern: ", naming the
// offending argument as quoteArgument shows it.
struct UsageError {
    std::string line;
};

using Arguments = std::variant<Request, ShowHelp, ShowVersion, UsageError>;

// Reads argv[1] to argv[argc - 1]; argv[0] is not looked at. Views in the
// result point into argv. No output: a usage error is returned as its text.
// Uses getopt_long, whose state is global: one call at a time.
Arguments parseArguments(int argc, const char* const argv[]);

}  // namespace pattern
