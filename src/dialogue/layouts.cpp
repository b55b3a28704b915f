#include "dialogue/layouts.hpp"

#include <cstring>

#include "dialogue/render_fixed.hpp"

namespace {

struct Item {
    enum Kind : std::uint8_t { text, blanks, number, label, recordEnd, stayOnLine };
    Kind kind;
    std::uint8_t width = 0;     // blanks: count; number: field width
    std::uint8_t decimals = 0;  // number
    std::string_view literal{};
};

constexpr Item T(std::string_view s) { return {Item::text, 0, 0, s}; }
constexpr Item B(int n) { return {Item::blanks, std::uint8_t(n)}; }
constexpr Item N(int w, int d) { return {Item::number, std::uint8_t(w), std::uint8_t(d)}; }
constexpr Item kLabel{Item::label};
constexpr Item kEnd{Item::recordEnd};
constexpr Item kStay{Item::stayOnLine};

constexpr Item kOpeningTitle[] = {T(" Conical Waveguide Horns in TE-11 Mode Design")};
constexpr Item kFileNamePrompt[] = {T(" Enter output file "), kStay};
constexpr Item kUnitPrompt[] = {T(" Enter units: 1 cm, 2 inches "), kStay};
constexpr Item kFrequencyGainPrompt[] = {T(" Enter Frequency(GHz), Gain(dB) (0 terminates) "), kStay};
constexpr Item kBannerNameLine[] = {kEnd, B(4), T(" VELMOR  ")};
constexpr Item kBannerCreditLine[] = {T("     Code: Holvenbrastide")};
constexpr Item kPhaseDeviationPrompt[] = {T(" Enter Max Aperture Phase Deviation (0 TO 0.7)"),
                                          T(" Start, Stop, Step "), kStay};
#define DESIGN_COLUMN_LINE B(8), T(" S"), B(5), T(" Aperture Radius"), B(2), T(" Slant Length")
constexpr Item kDesignHeading[] = {
    kEnd, T("   Conical Waveguide Horn in TE-11 Mode Design"), kEnd, kEnd,
    B(6), N(7, 2), T(" dB Gain at Frequency (GHz) = "), N(9, 4), T(" units:"), kLabel, kEnd, kEnd,
    DESIGN_COLUMN_LINE, kEnd};
constexpr Item kDesignColumnHeading[] = {kEnd, DESIGN_COLUMN_LINE, kEnd};
#undef DESIGN_COLUMN_LINE
constexpr Item kDesignRow[] = {B(6), N(7, 4), B(5), N(9, 3), B(8), N(9, 3)};
constexpr Item kHornSizePrompt[] = {kEnd, T(" Gain of a Conical Waveguide Horn in TE-11 Mode"), kEnd, kEnd,
                                    T(" Enter Aperture Radius, Slant Length (0 terminates) "), kStay};
constexpr Item kFrequencyRangePrompt[] = {T(" Enter Frequency (GHz) Start,Stop,Step (0 terminates) "), kStay};
constexpr Item kAnalysisHeading[] = {
    kEnd, B(5), T(" Conical Waveguide Horn in TE-11 Mode"), kEnd, kEnd,
    B(5), T(" Aperture Radius = "), N(7, 3), B(5), T(" Slant Radius = "), N(7, 3), kEnd, kEnd,
    B(25), T(" 3 dB Beamwidth"), B(4), T(" 10 dB Beamwidth"), kEnd,
    B(2), T(" Frequency"), B(4), T(" Gain"), B(2), T(" E Plane"), B(2), T(" H Plane"), B(2), T(" E Plane"), B(2),
    T(" H Plane"), kEnd};
constexpr Item kAnalysisRow[] = {B(2), N(10, 4), B(2), N(7, 2), B(2), N(8, 1), B(2), N(8, 1), B(2), N(8, 1),
                                 B(2), N(8, 1)};

constexpr std::span<const Item> kLayouts[] = {
    kOpeningTitle, kFileNamePrompt, kUnitPrompt, kFrequencyGainPrompt, kBannerNameLine,
    kBannerCreditLine, kPhaseDeviationPrompt, kDesignHeading, kDesignColumnHeading, kDesignRow,
    kHornSizePrompt, kFrequencyRangePrompt, kAnalysisHeading, kAnalysisRow,
};

}  // namespace

void renderLayout(Layout layout, std::span<const Real> values, std::string_view label, RenderedLayout& out) {
    char* const base = out.text_;
    char* end = base;
    std::size_t nextValue = 0;
    out.count_ = 0;
    out.staysOnLine_ = false;
    out.start_[0] = 0;
    auto closeRecord = [&] { out.start_[++out.count_] = std::uint16_t(end - base); };

    for (const Item& item : kLayouts[std::size_t(layout)]) {
        switch (item.kind) {
        case Item::text:
            std::memcpy(end, item.literal.data(), item.literal.size());
            end += item.literal.size();
            break;
        case Item::blanks:
            std::memset(end, ' ', item.width);
            end += item.width;
            break;
        case Item::number:
            end = RENDERFIXED(end, values[nextValue++], item.width, item.decimals);
            break;
        case Item::label:
            std::memcpy(end, label.data(), label.size());
            end += label.size();
            break;
        case Item::recordEnd:
            closeRecord();
            break;
        case Item::stayOnLine:
            out.staysOnLine_ = true;
            closeRecord();
            return;
        }
    }
    closeRecord();  // the end of a layout ends the record in progress
}
