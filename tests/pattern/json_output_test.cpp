// The JSON object on fixed values: key order, shortest numbers of float and
// double, null for what does not exist or is not finite, no negative zero.

#include "pattern/json_output.hpp"

#include <gtest/gtest.h>

#include "pattern/summary_fixture.hpp"

namespace pattern {
namespace {

TEST(JsonOutputTest, EveryKeyInOrderWithNullsWhereNoValueExists) {
    StringSink out;
    writeJson(sampleSummary(), out);
    EXPECT_EQ(out.text(),
              "{\n"
              "  \"unit\": \"cm\",\n"
              "  \"radius\": 1.25,\n"
              "  \"slant\": 10,\n"
              "  \"frequency_ghz\": 8,\n"
              "  \"wavelength\": 3.75,\n"
              "  \"ka\": 2.0943951023931953,\n"
              "  \"s\": 0.020833333333333332,\n"
              "  \"flare_half_angle_deg\": 7.180755781458282,\n"
              "  \"axial_length\": 9.921567416492215,\n"
              "  \"gain_db\": 1.5,\n"
              "  \"directivity_db\": 0,\n"
              "  \"beamwidth_deg\": {\n"
              "    \"table\": {\"3db_e\": 100.25, \"3db_h\": null, \"10db_e\": 0.05, \"10db_h\": null},\n"
              "    \"integrated\": {\"3db_e\": 120.125, \"3db_h\": 0.06, \"10db_e\": null, \"10db_h\": 0.1}\n"
              "  },\n"
              "  \"phase_center\": {\"e\": 0, \"h\": null},\n"
              "  \"phase_center_wavelengths\": {\"e\": 0, \"h\": null},\n"
              "  \"cross_polar_peak_db\": null,\n"
              "  \"cross_polar_peak_angle_deg\": 0\n"
              "}\n");
}

TEST(JsonOutputTest, PhaseCentresInTheUnitAreWavelengthsTimesLambda) {
    HornSummary summary = sampleSummary();
    summary.integrated.phaseCentre[0].wavelengths = 0.5;
    summary.integrated.phaseCentre[1].wavelengths = -0.25;
    StringSink out;
    writeJson(summary, out);
    EXPECT_NE(out.text().find("\"phase_center\": {\"e\": 1.875, \"h\": -0.9375},\n"), std::string::npos);
    EXPECT_NE(out.text().find("\"phase_center_wavelengths\": {\"e\": 0.5, \"h\": -0.25},\n"), std::string::npos);
}

TEST(JsonOutputTest, TableValuesAreTheShortestTextOfTheFloat) {
    HornSummary summary = sampleSummary();
    summary.table.gain = 19.175043f;  // 19.17504310607910156 as a double
    summary.unit = LengthUnit::inch;
    StringSink out;
    writeJson(summary, out);
    EXPECT_NE(out.text().find("\"gain_db\": 19.175043,\n"), std::string::npos);
    EXPECT_NE(out.text().find("\"unit\": \"in\",\n"), std::string::npos);
}

}  // namespace
}  // namespace pattern
