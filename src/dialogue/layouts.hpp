#pragma once
// The fourteen layouts: every title, prompt, heading and row the program
// writes, as data. A layout is a fixed sequence of items; rendering it is one
// left-to-right pass that yields its records.

#include <cstdint>
#include <span>
#include <string_view>

#include "horn/arithmetic.hpp"

enum class Layout : std::uint8_t {
    openingTitle,
    fileNamePrompt,
    unitPrompt,
    frequencyGainPrompt,
    bannerNameLine,
    bannerCreditLine,
    phaseDeviationPrompt,
    designHeading,        // values: required gain, design frequency; label
    designColumnHeading,
    designRow,            // values: S, aperture radius, slant length
    hornSizePrompt,
    frequencyRangePrompt,
    analysisHeading,      // values: aperture radius, slant length
    analysisRow,          // values: frequency, gain, four beamwidths
};

// The records of one rendered layout, in order, each followed by CR LF, so
// that a stream of plain lines takes the whole layout in one copy. The last
// record stays on its line (no line end on a console) when the layout is a
// prompt.
class RenderedLayout {
public:
    static constexpr int kMaxRecords = 8;         // the analysis heading
    static constexpr int kMaxRecordLength = 65;   // the phase-deviation prompt
    static constexpr std::string_view kLineEnd = "\r\n";

    int count() const { return count_; }
    // Record i without its line end.
    std::string_view record(int i) const {
        return {text_ + start_[i], std::size_t(start_[i + 1] - start_[i]) - kLineEnd.size()};
    }
    // Every record with its line end.
    std::string_view lines() const { return {text_, start_[count_]}; }
    bool staysOnLine() const { return staysOnLine_; }

private:
    friend struct LayoutRenderer;
    char text_[kMaxRecords * (kMaxRecordLength + kLineEnd.size())];
    std::uint16_t start_[kMaxRecords + 1];
    int count_;
    bool staysOnLine_;
};

// Renders `layout`, taking its number items from `values` in order and its
// label item from `label` (4 characters). Pure: no stream is touched.
void renderLayout(Layout layout, std::span<const Real> values, std::string_view label, RenderedLayout& out);
