#pragma once
// Everything the report and the JSON object say about one horn, apart from
// the pattern table.

#include "aperture/horn_pattern.hpp"
#include "pattern/arguments.hpp"
#include "pattern/horn_quantities.hpp"
#include "pattern/integrated_values.hpp"
#include "pattern/table_model.hpp"

namespace pattern {

struct HornSummary {
    LengthUnit unit;
    HornQuantities horn;
    TableModelValues table;
    IntegratedValues integrated;
};

// Contract: `pattern` is the pattern of `horn` (its ka and S).
HornSummary summariseHorn(const Request& request, const HornQuantities& horn, const aperture::HornPattern& pattern);

}  // namespace pattern
