// The CSV table: the header, angles as the step is written, fixed decimals,
// -inf and nan where the field is exactly zero.

#include "pattern/csv_output.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace pattern {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST(CsvOutputTest, HeaderAndOneLinePerAngle) {
    StringSink out;
    writeCsv(aperture::HornPattern(10.6, 0.21), angleGrid(0.1, 0.3), out);
    const std::vector<std::string> csv = lines(out.text());
    ASSERT_EQ(csv.size(), 5u);
    EXPECT_EQ(csv[0], "theta_deg,e_plane_db,h_plane_db,cross_45_db,e_phase_deg,h_phase_deg");
    EXPECT_EQ(csv[1], "0.0,0.0000,0.0000,-inf,0.000,0.000");
    EXPECT_EQ(csv[4].substr(0, 4), "0.3,");
    EXPECT_EQ(out.text().back(), '\n');
}

TEST(CsvOutputTest, StraightBackEverythingIsZero) {
    StringSink out;
    writeCsv(aperture::HornPattern(10.6, 0.21), angleGrid(90, 180), out);
    const std::vector<std::string> csv = lines(out.text());
    ASSERT_EQ(csv.size(), 4u);
    EXPECT_EQ(csv[3], "180,-inf,-inf,-inf,nan,nan");
}

TEST(CsvOutputTest, SixFieldsOfFixedDecimalsOnEveryLine) {
    StringSink out;
    writeCsv(aperture::HornPattern(10.6, 0.21), angleGrid(7.5, 180), out);
    const std::vector<std::string> csv = lines(out.text());
    for (std::size_t i = 1; i < csv.size(); ++i) {
        std::vector<std::string> fields;
        std::istringstream in(csv[i]);
        for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
        ASSERT_EQ(fields.size(), 6u) << csv[i];
        for (int f = 1; f <= 3; ++f) {
            if (fields[f] == "-inf") continue;
            EXPECT_EQ(fields[f].size() - fields[f].find('.'), 5u) << csv[i];
            EXPECT_NE(fields[f], "-0.0000") << csv[i];
        }
        for (int f = 4; f <= 5; ++f) {
            if (fields[f] == "nan") continue;
            EXPECT_EQ(fields[f].size() - fields[f].find('.'), 4u) << csv[i];
            EXPECT_NE(fields[f], "-180.000") << csv[i];
        }
    }
}

}  // namespace
}  // namespace pattern
