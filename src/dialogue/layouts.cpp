#include "dialogue/layouts.hpp"

#include <cstring>
#include <iterator>
#include <utility>

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

template <std::size_t N>
constexpr bool staysOnLineOnlyAtEnd(const Item (&items)[N]) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (items[i].kind == Item::stayOnLine) return false;
    }
    return true;
}

}  // namespace

// Each layout's items are constants, so its renderer is generated from them
// at compile time: every text, blank run and field shape is a constant, and
// rendering a row is its stores and its digit arithmetic, with no walk over
// the items.
struct LayoutRenderer {
    using Render = void (*)(std::span<const Real>, std::string_view, RenderedLayout&);

    template <const auto& Items>
    static void render(std::span<const Real> values, std::string_view label, RenderedLayout& out) {
        constexpr std::size_t kCount = std::size(Items);
        static_assert(staysOnLineOnlyAtEnd(Items), "only the last item of a prompt stays on its line");
        Cursor cursor{out, out.text_, 0};
        out.count_ = 0;
        out.start_[0] = 0;
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            (put<Items, I>(cursor, values, label), ...);
        }(std::make_index_sequence<kCount>{});
        out.staysOnLine_ = Items[kCount - 1].kind == Item::stayOnLine;
        if (!out.staysOnLine_) cursor.closeRecord();  // the end of a layout ends the record in progress
    }

private:
    struct Cursor {
        RenderedLayout& out;
        char* end;
        std::size_t nextValue;
        void closeRecord() {
            std::memcpy(end, RenderedLayout::kLineEnd.data(), RenderedLayout::kLineEnd.size());
            end += RenderedLayout::kLineEnd.size();
            out.start_[++out.count_] = std::uint16_t(end - out.text_);
        }
    };

    template <const auto& Items, std::size_t I>
    static void put(Cursor& cursor, std::span<const Real> values, std::string_view label) {
        constexpr const Item& item = Items[I];
        if constexpr (item.kind == Item::text) {
            std::memcpy(cursor.end, item.literal.data(), item.literal.size());
            cursor.end += item.literal.size();
        } else if constexpr (item.kind == Item::blanks) {
            std::memset(cursor.end, ' ', item.width);
            cursor.end += item.width;
        } else if constexpr (item.kind == Item::number) {
            cursor.end = RENDERFIXED<item.width, item.decimals>(cursor.end, values[cursor.nextValue++]);
        } else if constexpr (item.kind == Item::label) {
            std::memcpy(cursor.end, label.data(), label.size());
            cursor.end += label.size();
        } else {  // recordEnd, or stayOnLine, which ends the prompt's record
            cursor.closeRecord();
        }
    }
};

namespace {

// In the order of Layout.
constexpr LayoutRenderer::Render kRenderers[] = {
    LayoutRenderer::render<kOpeningTitle>,        LayoutRenderer::render<kFileNamePrompt>,
    LayoutRenderer::render<kUnitPrompt>,          LayoutRenderer::render<kFrequencyGainPrompt>,
    LayoutRenderer::render<kBannerNameLine>,      LayoutRenderer::render<kBannerCreditLine>,
    LayoutRenderer::render<kPhaseDeviationPrompt>, LayoutRenderer::render<kDesignHeading>,
    LayoutRenderer::render<kDesignColumnHeading>, LayoutRenderer::render<kDesignRow>,
    LayoutRenderer::render<kHornSizePrompt>,      LayoutRenderer::render<kFrequencyRangePrompt>,
    LayoutRenderer::render<kAnalysisHeading>,     LayoutRenderer::render<kAnalysisRow>,
};
static_assert(std::size(kRenderers) == std::size_t(Layout::analysisRow) + 1);

}  // namespace

void renderLayout(Layout layout, std::span<const Real> values, std::string_view label, RenderedLayout& out) {
    kRenderers[std::size_t(layout)](values, label, out);
}
