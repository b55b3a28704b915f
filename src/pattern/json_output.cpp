#include "pattern/json_output.hpp"

#include <cmath>
#include <optional>
#include <string>

#include "pattern/beamwidths.hpp"
#include "pattern/decimal_text.hpp"

namespace pattern {

namespace {

template <typename Number>
void appendNumber(std::string& out, Number value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    if (value == 0) value = 0;  // no "-0"
    appendShortest(out, value);
}

void appendNumber(std::string& out, const std::optional<double>& value) {
    if (value) {
        appendNumber(out, *value);
    } else {
        out += "null";
    }
}

// A key and its value's text, as one line of the object; the last has no
// comma.
void member(std::string& out, std::string_view key, std::string_view value, bool last = false) {
    out += "  \"";
    out += key;
    out += "\": ";
    out += value;
    out += last ? "\n" : ",\n";
}

template <typename Value>
std::string number(const Value& value) {
    std::string text;
    appendNumber(text, value);
    return text;
}

// {"e": ..., "h": ...} for a phase centre, in wavelengths or in the unit.
std::string planes(const IntegratedValues& integrated, double scale) {
    std::string text = "{";
    const char* names[2] = {"\"e\": ", ", \"h\": "};
    for (int plane = 0; plane < 2; ++plane) {
        text += names[plane];
        const std::optional<double>& wavelengths = integrated.phaseCentre[plane].wavelengths;
        appendNumber(text, wavelengths ? std::optional<double>(*wavelengths * scale) : std::nullopt);
    }
    return text + "}";
}

// {"3db_e": ..., "3db_h": ..., "10db_e": ..., "10db_h": ...}
template <typename Values>
std::string beamwidths(const Values& values) {
    std::string text = "{";
    for (int n = 0; n < 4; ++n) {
        if (n > 0) text += ", ";
        text += '"';
        text += kBeamwidths[n].key;
        text += "\": ";
        appendNumber(text, values[n]);
    }
    return text + "}";
}

}  // namespace

void writeJson(const HornSummary& summary, TextSink& out) {
    const HornQuantities& horn = summary.horn;
    const IntegratedValues& integrated = summary.integrated;
    std::string text = "{\n";
    std::string unit = "\"";
    unit += unitName(summary.unit);
    member(text, "unit", unit += '"');
    member(text, "radius", number(horn.radius));
    member(text, "slant", number(horn.slant));
    member(text, "frequency_ghz", number(horn.frequencyGHz));
    member(text, "wavelength", number(horn.wavelength));
    member(text, "ka", number(horn.ka));
    member(text, "s", number(horn.s));
    member(text, "flare_half_angle_deg", number(horn.flareHalfAngleDeg));
    member(text, "axial_length", number(horn.axialLength));
    member(text, "gain_db", number(summary.table.gain));
    member(text, "directivity_db", number(integrated.directivityDb));
    text += "  \"beamwidth_deg\": {\n";
    text += "    \"table\": " + beamwidths(summary.table.beamwidth) + ",\n";
    text += "    \"integrated\": " + beamwidths(integrated.beamwidthDeg) + "\n";
    text += "  },\n";
    member(text, "phase_center", planes(integrated, horn.wavelength));
    member(text, "phase_center_wavelengths", planes(integrated, 1));
    member(text, "cross_polar_peak_db", number(integrated.crossPolarPeakDb));
    member(text, "cross_polar_peak_angle_deg", number(integrated.crossPolarPeakAngleDeg), true);
    text += "}\n";
    out.put(text);
}

}  // namespace pattern
