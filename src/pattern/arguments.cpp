#include "pattern/arguments.hpp"

#include <getopt.h>

#include <cmath>
#include <optional>
#include <vector>

#include "pattern/angle_grid.hpp"
#include "pattern/decimal_text.hpp"
#include "pattern/number_text.hpp"
#include "pattern/quoted_argument.hpp"

namespace pattern {

namespace {

constexpr std::string_view kSeeHelp = "; see velmor-pattern --help";

enum OptionCode : int {
    kOperand = 1,  // getopt_long's code for an argument that is not an option
    kMissingValue = ':',
    kUnknownOption = '?',
    kUnit = 256,
    kStep,
    kTo,
    kCsv,
    kJson,
    kHelp,
    kVersion,
};

constexpr struct option kOptions[] = {
    {"unit", required_argument, nullptr, kUnit},
    {"step", required_argument, nullptr, kStep},
    {"to", required_argument, nullptr, kTo},
    {"csv", no_argument, nullptr, kCsv},
    {"json", no_argument, nullptr, kJson},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// The long name of an option's code, or nothing for any other code.
std::string_view optionName(int code) {
    for (const struct option* known = kOptions; known->name != nullptr; ++known) {
        if (known->val == code) return known->name;
    }
    return {};
}

UsageError usageError(std::string_view what) { return {std::string(kDiagnosticPrefix) + std::string(what)}; }

// "NAME 'text' is not a number", and the like, for a number that fails to
// read; nothing when it reads.
std::optional<UsageError> numberError(std::string_view name, std::string_view text, NumberError error) {
    const std::string shown = std::string(name) + " " + quoteArgument(text);
    switch (error) {
    case NumberError::none: return std::nullopt;
    case NumberError::notANumber: return usageError(shown + " is not a number");
    case NumberError::notFinite: return usageError(shown + " is not a finite number");
    case NumberError::outOfRange: return usageError(shown + " is beyond the range of a double");
    }
    return std::nullopt;
}

// --step or --to: a finite number in (0, largest].
std::variant<AngleArgument, UsageError> angleArgument(int code, std::string_view text) {
    const std::string name = "--" + std::string(optionName(code));
    const NumberReading reading = readNumber(text);
    if (std::optional<UsageError> error = numberError(name, text, reading.error)) return *error;
    if (code == kStep && !(reading.value > 0)) return usageError(name + " " + quoteArgument(text) + " is not above zero");
    if (code == kTo && !(reading.value > 0 && reading.value <= kLargestAngle))
        return usageError(name + " " + quoteArgument(text) + " is not in (0, 180]");
    return AngleArgument{text, reading.value};
}

std::variant<HornArgument, UsageError> hornArgument(std::string_view name, std::string_view text) {
    const NumberReading reading = readNumber(text);
    if (std::optional<UsageError> error = numberError(name, text, reading.error)) return *error;
    if (!(reading.value > 0)) return usageError(std::string(name) + " " + quoteArgument(text) + " is not above zero");
    const std::optional<Real> real = readReal(text);
    if (!real)
        return usageError(std::string(name) + " " + quoteArgument(text) +
                          " is beyond single precision, in which the table model reads it");
    return HornArgument{text, reading.value, *real};
}

// The options and the operands, in the order given; "--" ends the options.
struct ScannedArguments {
    Request request;
    std::vector<std::string_view> operands;
};

// getopt_long would take a negative number for a cluster of short options;
// it is handed an empty argument in its place, which it passes as an
// operand (or as an option's value), and the text is taken back from argv.
char kNumberStandIn[] = "";

std::variant<ScannedArguments, ShowHelp, ShowVersion, UsageError> scan(int argc, const char* const argv[]) {
    std::vector<char*> scanned;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool standIn = i > 0 && !optionsEnded && looksLikeNegativeNumber(argument);
        optionsEnded = optionsEnded || argument == "--";
        scanned.push_back(standIn ? kNumberStandIn : const_cast<char*>(argv[i]));
    }
    scanned.push_back(nullptr);

    ScannedArguments result;
    Request& request = result.request;
    bool csv = false, json = false;
    // optind = 0 makes glibc start afresh; a leading '-' returns operands in
    // place (no permuting, whatever POSIXLY_CORRECT says); ':' reports a
    // missing value apart from an unknown option. opterr = 0: no messages.
    ::optind = 0;
    ::opterr = 0;
    for (;;) {
        const int at = ::optind == 0 ? 1 : ::optind;  // the argument being read
        const int code = ::getopt_long(argc, scanned.data(), "-:", kOptions, nullptr);
        if (code == -1) break;
        const std::string_view element = argv[at];
        const std::string_view value = ::optarg == kNumberStandIn ? argv[::optind - 1] : ::optarg ? ::optarg : "";
        switch (code) {
        case kOperand: result.operands.push_back(value); break;
        case kMissingValue:
            return usageError("option --" + std::string(optionName(::optopt)) + " needs a value: " +
                              quoteArgument(element) + std::string(kSeeHelp));
        case kUnknownOption:
            if (!optionName(::optopt).empty())
                return usageError("option --" + std::string(optionName(::optopt)) + " takes no value: " +
                                  quoteArgument(element) + std::string(kSeeHelp));
            return usageError("unknown option " + quoteArgument(element) + std::string(kSeeHelp));
        case kUnit:
            if (value == "in") {
                request.unit = LengthUnit::inch;
            } else if (value == "cm") {
                request.unit = LengthUnit::centimetre;
            } else {
                return usageError("--unit " + quoteArgument(value) + " is neither in nor cm");
            }
            break;
        case kStep:
        case kTo: {
            std::variant<AngleArgument, UsageError> angle = angleArgument(code, value);
            if (auto* error = std::get_if<UsageError>(&angle)) return std::move(*error);
            (code == kStep ? request.step : request.to) = std::get<AngleArgument>(angle);
            break;
        }
        case kCsv:
        case kJson:
            (code == kCsv ? csv : json) = true;
            if (csv && json) return usageError("--csv and --json cannot be given together" + std::string(kSeeHelp));
            request.format = csv ? OutputFormat::csv : OutputFormat::json;
            break;
        case kHelp: return ShowHelp{};
        case kVersion: return ShowVersion{};
        }
    }
    for (int i = ::optind; i < argc; ++i) result.operands.push_back(argv[i]);
    return result;
}

constexpr std::string_view kOperandNames[] = {"RADIUS", "SLANT", "FREQUENCY"};

std::optional<UsageError> operandCountError(const std::vector<std::string_view>& operands) {
    switch (operands.size()) {
    case 0: return usageError("missing RADIUS, SLANT and FREQUENCY" + std::string(kSeeHelp));
    case 1: return usageError("missing SLANT and FREQUENCY" + std::string(kSeeHelp));
    case 2: return usageError("missing FREQUENCY" + std::string(kSeeHelp));
    case 3: return std::nullopt;
    default: return usageError("extra operand " + quoteArgument(operands[3]) + std::string(kSeeHelp));
    }
}

}  // namespace

Arguments parseArguments(int argc, const char* const argv[]) {
    auto scanned = scan(argc, argv);
    if (auto* error = std::get_if<UsageError>(&scanned)) return std::move(*error);
    if (std::holds_alternative<ShowHelp>(scanned)) return ShowHelp{};
    if (std::holds_alternative<ShowVersion>(scanned)) return ShowVersion{};
    auto& [request, operands] = std::get<ScannedArguments>(scanned);

    const double angles = angleCount(request.step.value, request.to.value);
    if (angles > kMostAngles) {
        std::string what = "--to " + quoteArgument(request.to.text) + " at --step " + quoteArgument(request.step.text) +
                           " gives ";
        appendSignificant(what, angles, 12);
        return usageError(what + " angles, more than 1000000");
    }

    if (std::optional<UsageError> error = operandCountError(operands)) return std::move(*error);
    HornArgument* const targets[] = {&request.radius, &request.slant, &request.frequency};
    for (int i = 0; i < 3; ++i) {
        std::variant<HornArgument, UsageError> operand = hornArgument(kOperandNames[i], operands[i]);
        if (auto* error = std::get_if<UsageError>(&operand)) return std::move(*error);
        *targets[i] = std::get<HornArgument>(operand);
    }

    if (!(request.radius.value < request.slant.value))
        return usageError("RADIUS " + quoteArgument(request.radius.text) + " is not below SLANT " +
                          quoteArgument(request.slant.text) + ": no cone has a >= L");

    const double ka = hornQuantities(request.radius.value, request.slant.value, request.frequency.value, request.unit).ka;
    if (!(ka <= kLargestKa)) {
        std::string what = "RADIUS " + quoteArgument(request.radius.text) + " " + std::string(unitName(request.unit)) +
                           " at FREQUENCY " + quoteArgument(request.frequency.text) + " GHz: ka = ";
        appendSignificant(what, ka, 6);
        return usageError(what + " is above 1000");
    }
    return request;
}

}  // namespace pattern
