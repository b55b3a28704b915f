// Every layout's records, byte for byte, and the columns its fields take.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogue/layouts.hpp"

namespace {

std::vector<std::string> records(Layout layout, std::initializer_list<Real> values = {},
                                 std::string_view label = {}) {
    RenderedLayout rendered;
    renderLayout(layout, std::span<const Real>(values.begin(), values.size()), label, rendered);
    std::vector<std::string> out;
    for (int i = 0; i < rendered.count(); ++i) out.emplace_back(rendered.record(i));
    return out;
}

bool staysOnLine(Layout layout) {
    RenderedLayout rendered;
    renderLayout(layout, {}, {}, rendered);
    return rendered.staysOnLine();
}

// Columns count from 1, as an engineer reads them off the page.
std::string columns(const std::string& record, int first, int last) {
    return record.substr(std::size_t(first - 1), std::size_t(last - first + 1));
}

using Records = std::vector<std::string>;
const std::string kDesignColumnLine = "         S      Aperture Radius   Slant Length";

TEST(Layouts, TitlesAndPromptsAreExact) {
    struct Case {
        Layout layout;
        Records expected;
        bool prompt;
    };
    const Case cases[] = {
        {Layout::openingTitle, {" Conical Waveguide Horns in TE-11 Mode Design"}, false},
        {Layout::fileNamePrompt, {" Enter output file "}, true},
        {Layout::unitPrompt, {" Enter units: 1 cm, 2 inches "}, true},
        {Layout::frequencyGainPrompt, {" Enter Frequency(GHz), Gain(dB) (0 terminates) "}, true},
        {Layout::bannerNameLine, {"", "     VELMOR  "}, false},
        {Layout::bannerCreditLine, {"     Code: Holvenbrastide"}, false},
        {Layout::phaseDeviationPrompt, {" Enter Max Aperture Phase Deviation (0 TO 0.7) Start, Stop, Step "}, true},
        {Layout::designColumnHeading, {"", kDesignColumnLine, ""}, false},
        {Layout::hornSizePrompt,
         {"", " Gain of a Conical Waveguide Horn in TE-11 Mode", "",
          " Enter Aperture Radius, Slant Length (0 terminates) "},
         true},
        {Layout::frequencyRangePrompt, {" Enter Frequency (GHz) Start,Stop,Step (0 terminates) "}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(records(c.layout), c.expected) << int(c.layout);
        EXPECT_EQ(staysOnLine(c.layout), c.prompt) << int(c.layout);
    }
}

TEST(Layouts, RecordLengthsMatchTheirColumns) {
    EXPECT_EQ(records(Layout::openingTitle)[0].size(), 45u);
    EXPECT_EQ(records(Layout::phaseDeviationPrompt)[0].size(), 65u);  // the longest record
    EXPECT_EQ(records(Layout::hornSizePrompt)[3].size(), 52u);
    EXPECT_EQ(records(Layout::frequencyRangePrompt)[0].size(), 54u);
    EXPECT_EQ(records(Layout::designRow, {0.1f, 12.345f, 23.456f})[0].size(), 44u);
    EXPECT_EQ(records(Layout::analysisRow, {10, 20.12f, 15.1f, 16.2f, 27.3f, 28.4f})[0].size(), 61u);
}

TEST(Layouts, DesignHeadingIsSevenRecordsWithTheGainLine) {
    const Records heading = records(Layout::designHeading, {20, 10}, " cm ");
    const Records expected = {
        "",
        "   Conical Waveguide Horn in TE-11 Mode Design",
        "",
        "        20.00 dB Gain at Frequency (GHz) =   10.0000 units: cm ",
        "",
        kDesignColumnLine,
        "",
    };
    EXPECT_EQ(heading, expected);
    EXPECT_EQ(columns(heading[3], 9, 13), "20.00");
    EXPECT_EQ(columns(heading[3], 46, 52), "10.0000");
    EXPECT_EQ(columns(heading[3], 53, 59), " units:");
    EXPECT_EQ(columns(heading[3], 60, 63), " cm ");
    EXPECT_EQ(records(Layout::designHeading, {20, 10}, " in.")[3].substr(59), " in.");
}

TEST(Layouts, DesignRowFieldsTakeTheirColumns) {
    const std::string row = records(Layout::designRow, {0.1f, 12.345f, 23.456f})[0];
    EXPECT_EQ(row, "       0.1000        12.345           23.456");
    EXPECT_EQ(columns(row, 8, 13), "0.1000");
    EXPECT_EQ(columns(row, 22, 27), "12.345");
    EXPECT_EQ(columns(row, 39, 44), "23.456");
}

TEST(Layouts, AnalysisHeadingIsEightRecordsWithColumnLinesTogether) {
    const Records heading = records(Layout::analysisHeading, {2.54f, 25.4f});
    const Records expected = {
        "",
        "      Conical Waveguide Horn in TE-11 Mode",
        "",
        "      Aperture Radius =   2.540      Slant Radius =  25.400",
        "",
        "                          3 dB Beamwidth     10 dB Beamwidth",
        "   Frequency     Gain   E Plane   H Plane   E Plane   H Plane",
        "",
    };
    EXPECT_EQ(heading, expected);
    EXPECT_EQ(columns(heading[3], 25, 31), "  2.540");
    EXPECT_EQ(columns(heading[3], 53, 59), " 25.400");
}

TEST(Layouts, AnalysisRowFieldsEndUnderTheirHeadings) {
    const std::string row = records(Layout::analysisRow, {10, 20.12f, 15.1f, 16.2f, 27.3f, 28.4f})[0];
    EXPECT_EQ(row, "     10.0000    20.12      15.1      16.2      27.3      28.4");
    EXPECT_EQ(columns(row, 6, 12), "10.0000");
    EXPECT_EQ(columns(row, 17, 21), "20.12");
    EXPECT_EQ(columns(row, 28, 31), "15.1");
    EXPECT_EQ(columns(row, 38, 41), "16.2");
    EXPECT_EQ(columns(row, 48, 51), "27.3");
    EXPECT_EQ(columns(row, 58, 61), "28.4");
    const std::string lower = records(Layout::analysisHeading, {0, 0})[6];
    for (int end : {12, 31, 41, 51, 61}) EXPECT_NE(lower[std::size_t(end - 1)], ' ') << "column " << end;
    EXPECT_EQ(lower[20], 'n');  // the gain ends under the n of " Gain"
}

TEST(Layouts, FieldsThatDoNotFitKeepTheirColumns) {
    const std::string row = records(Layout::designRow, {1e6f, 123456789.0f, -1e9f})[0];
    EXPECT_EQ(row, "      *******     *********        *********");
}

}  // namespace
