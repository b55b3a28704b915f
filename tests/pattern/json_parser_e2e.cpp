// The JSON object through a real parser, Python's, which is told to refuse
// the NaN and Infinity it would otherwise let through: every key in its
// place, numbers where values exist and null where they do not.

#include <gtest/gtest.h>

#include "pattern/run_pattern.hpp"

namespace {

const std::string kPython = "/usr/bin/python3";

// Prints "path type" for every value, in the object's order, or fails.
const std::string kWalk = R"(
import json, sys
def refuse(name):
    raise ValueError("not JSON: " + name)
def walk(path, value):
    if isinstance(value, dict):
        for key, inner in value.items():
            walk(path + [key], inner)
    else:
        kind = "null" if value is None else type(value).__name__
        print(".".join(path), "number" if kind in ("int", "float") else kind)
walk([], json.loads(sys.stdin.read(), parse_constant=refuse))
)";

std::string walked(const std::string& json) {
    Invocation python;
    python.binary = kPython;
    python.arguments = {"-c", kWalk};
    python.input = json;
    const Outcome outcome = invoke(python);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.diagnostics << json;
    return outcome.console;
}

std::string structure(const char* nulls) {
    std::string text;
    for (const char* key : {"unit", "radius", "slant", "frequency_ghz", "wavelength", "ka", "s", "flare_half_angle_deg",
                            "axial_length", "gain_db", "directivity_db", "beamwidth_deg.table.3db_e",
                            "beamwidth_deg.table.3db_h", "beamwidth_deg.table.10db_e", "beamwidth_deg.table.10db_h",
                            "beamwidth_deg.integrated.3db_e", "beamwidth_deg.integrated.3db_h",
                            "beamwidth_deg.integrated.10db_e", "beamwidth_deg.integrated.10db_h", "phase_center.e",
                            "phase_center.h", "phase_center_wavelengths.e", "phase_center_wavelengths.h",
                            "cross_polar_peak_db", "cross_polar_peak_angle_deg"}) {
        const std::string name = key;
        const bool isNull = std::string(nulls).find(" " + name + " ") != std::string::npos;
        text += name + (name == "unit" ? " str" : isNull ? " null" : " number") + "\n";
    }
    return text;
}

class JsonParserTest : public testing::Test {
protected:
    void SetUp() override {
        if (!fileExists(kPython)) GTEST_SKIP() << kPython << " is missing: no parser to check the JSON with";
    }
};

TEST_F(JsonParserTest, EveryValueOfAHornInRange) {
    const Outcome outcome = runPattern({"--json", "2", "8", "10"});
    EXPECT_EQ(walked(outcome.console), structure(""));
}

TEST_F(JsonParserTest, NullWhereATableBeamwidthIsNaNOrALevelIsNeverReached) {
    const Outcome outcome = runPattern({"--json", "--unit", "cm", "1", "6", "9"});
    EXPECT_EQ(walked(outcome.console),
              structure(" beamwidth_deg.table.3db_h beamwidth_deg.table.10db_e beamwidth_deg.table.10db_h"
                        " beamwidth_deg.integrated.10db_h "));
}

TEST_F(JsonParserTest, TheParserRefusesNaN) {
    Invocation python;
    python.binary = kPython;
    python.arguments = {"-c", kWalk};
    python.input = "{\"gain_db\": NaN}";
    EXPECT_NE(invoke(python).exitCode, 0);
}

}  // namespace
