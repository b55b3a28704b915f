// velmor-pattern: the radiation pattern, cross-polarisation and phase
// centre of one conical TE11 horn at one frequency.
//
// The one place that meets the process: the arguments come in, standard
// output and standard error go out, and the exit status is chosen:
//   0  the output was written;
//   1  standard output could not be written (a full disc, a closed pipe,
//      a file-size limit), or the run failed for want of memory;
//   2  a usage error: one line on standard error, nothing on standard output.

#include <csignal>
#include <cstring>
#include <exception>
#include <string>
#include <unistd.h>
#include <variant>

#include "aperture/horn_pattern.hpp"
#include "pattern/angle_grid.hpp"
#include "pattern/arguments.hpp"
#include "pattern/buffered_output.hpp"
#include "pattern/csv_output.hpp"
#include "pattern/horn_summary.hpp"
#include "pattern/json_output.hpp"
#include "pattern/report_output.hpp"
#include "pattern/usage_text.hpp"

namespace {

constexpr int kDone = 0;
constexpr int kOutputFailed = 1;
constexpr int kUsageError = 2;

// One line on standard error; a failure to write it has nowhere to go.
int fail(const std::string& line, int status) {
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, text.data(), text.size());
    return status;
}

int fail(const char* what, const char* detail, int status) {
    return fail(std::string(pattern::kDiagnosticPrefix) + what + detail, status);
}

void writeOutput(const pattern::Request& request, pattern::TextSink& out) {
    using namespace pattern;
    const HornQuantities horn =
        hornQuantities(request.radius.value, request.slant.value, request.frequency.value, request.unit);
    const aperture::HornPattern hornPattern(horn.ka, horn.s);
    const AngleGrid grid = angleGrid(request.step.value, request.to.value);
    switch (request.format) {
    case OutputFormat::csv: return writeCsv(hornPattern, grid, out);
    case OutputFormat::json: return writeJson(summariseHorn(request, horn, hornPattern), out);
    case OutputFormat::report: return writeReport(summariseHorn(request, horn, hornPattern), hornPattern, grid, out);
    }
}

int run(int argc, const char* const argv[]) {
    using namespace pattern;
    const Arguments arguments = parseArguments(argc, argv);
    if (const auto* error = std::get_if<UsageError>(&arguments)) return fail(error->line, kUsageError);
    BufferedOutput out(STDOUT_FILENO);
    try {
        if (std::holds_alternative<ShowHelp>(arguments)) {
            out.put(helpText());
        } else if (std::holds_alternative<ShowVersion>(arguments)) {
            out.put(versionText());
        } else {
            writeOutput(std::get<Request>(arguments), out);
        }
        out.flush();
    } catch (const OutputFailure& failure) {
        return fail("cannot write standard output: ", std::strerror(failure.error), kOutputFailed);
    }
    return kDone;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A closed pipe and a file-size limit are reported from the write, as
    // EPIPE and EFBIG, instead of killing the process without a word.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {  // std::bad_alloc, from the physics' tables or the text
        return fail("cannot run: ", error.what(), kOutputFailed);
    }
}
