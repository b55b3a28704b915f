// The table model's values in velmor-pattern's report and JSON object are
// velmor's analysis row for the same horn and frequency, digit for digit:
// both real binaries are run, velmor (the vector build) with a piped
// session, and their digits compared.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <sstream>

#include "dialogue/render_fixed.hpp"
#include "pattern/run_pattern.hpp"

namespace {

struct Horn {
    std::string unit;  // as --unit takes it
    std::string radius, slant, frequency;
};

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// Gain and the four beamwidths of velmor's one analysis row for the horn.
std::vector<std::string> velmorRow(const Horn& horn) {
    TempDir work;
    Invocation session;
    session.binary = VELMOR_BINARY;
    session.directory = work.path();
    session.input = "r.txt\n" + std::string(horn.unit == "cm" ? "1" : "2") + "\n10 20\n0.1 0.1 1\n" + horn.radius +
                    " " + horn.slant + "\n" + horn.frequency + " " + horn.frequency + " 1\n0 0 0\n0 0\n0 0 0\n0 0\n";
    const Outcome outcome = invoke(session);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.diagnostics;
    // The row follows the column heading and a blank line; lines end in CR LF.
    std::vector<std::string> lines;
    std::istringstream in(outcome.console);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const std::string heading = "   Frequency     Gain   E Plane   H Plane   E Plane   H Plane\r";
    const auto at = std::find(lines.begin(), lines.end(), heading);
    if (lines.end() - at < 3) {
        ADD_FAILURE() << outcome.console;
        return {};
    }
    std::vector<std::string> row = words(at[2]);
    EXPECT_EQ(row.size(), 6u);
    row.erase(row.begin());  // the frequency
    return row;
}

std::vector<std::string> withUnit(const Horn& horn, std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--unit", horn.unit, horn.radius, horn.slant, horn.frequency});
    return arguments;
}

// The table-model column of the report's comparison lines.
std::vector<std::string> reportValues(const Horn& horn) {
    const Outcome outcome = runPattern(withUnit(horn, {"--to", "1"}));
    EXPECT_EQ(outcome.exitCode, 0) << outcome.diagnostics;
    std::vector<std::string> values;
    std::istringstream in(outcome.console);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("  gain, directivity (dB)") || line.find(" beamwidth (deg)") != std::string::npos) {
            const std::vector<std::string> fields = words(line);
            values.push_back(fields[fields.size() - 2]);
        }
    }
    return values;
}

// The JSON object's table values, read back as floats and put in velmor's
// fields: gain 7.2, beamwidths 8.1.
std::vector<std::string> jsonValuesInVelmorFields(const Horn& horn) {
    const Outcome outcome = runPattern(withUnit(horn, {"--json"}));
    EXPECT_EQ(outcome.exitCode, 0) << outcome.diagnostics;
    const std::string& json = outcome.console;
    std::vector<std::pair<std::string, int>> keys = {{"\"gain_db\": ", 7}};
    const std::size_t table = json.find("\"table\": {");
    for (const char* key : {"\"3db_e\": ", "\"3db_h\": ", "\"10db_e\": ", "\"10db_h\": "}) keys.push_back({key, 8});
    std::vector<std::string> values;
    for (const auto& [key, width] : keys) {
        const std::size_t at = json.find(key, key == keys[0].first ? 0 : table);
        if (at == std::string::npos) {
            ADD_FAILURE() << key << " in " << json;
            continue;
        }
        const char* first = json.data() + at + key.size();
        float value = 0;
        if (std::string_view(first, 4) == "null") {
            value = __builtin_nanf("");
        } else {
            std::from_chars(first, json.data() + json.size(), value);
        }
        char field[20];
        const std::string rendered(field, RENDERFIXED(field, value, width, width == 7 ? 2 : 1));
        values.push_back(words(rendered).at(0));
    }
    return values;
}

void PrintTo(const Horn& horn, std::ostream* out) {
    *out << horn.unit << " " << horn.radius << " " << horn.slant << " " << horn.frequency;
}

class AnalysisRowTest : public testing::TestWithParam<Horn> {};

TEST_P(AnalysisRowTest, TableValuesAreVelmorsDigits) {
    const std::vector<std::string> velmor = velmorRow(GetParam());
    ASSERT_EQ(velmor.size(), 5u);
    EXPECT_EQ(reportValues(GetParam()), velmor);
    EXPECT_EQ(jsonValuesInVelmorFields(GetParam()), velmor);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnalysisRowTest,
    testing::Values(
        // The README's horn; S near the 3 dB E-plane shoulder (0.58).
        Horn{"in", "2", "8", "10"}, Horn{"in", "3", "6.5", "9.9"},
        // ka 1.9: three table beamwidths NaN.
        Horn{"in", "0.3", "2", "12"},
        // S 1.6, beyond both tables.
        Horn{"in", "4", "5", "12"},
        // A text whose float is not the float of its double.
        Horn{"in", "1.00000005960464477539062501", "8", "10"},
        Horn{"in", "1.234", "5.678", "9.87654321"},
        // Centimetres: the README's horn, a short flare (S 1.09), a small
        // horn (NaN), and a long one.
        Horn{"cm", "5.08", "20.32", "10"}, Horn{"cm", "7", "9", "12"}, Horn{"cm", "1", "6", "9"},
        Horn{"cm", "2.5", "30", "11.3"}, Horn{"cm", "12.5", "40", "30"}));

}  // namespace
