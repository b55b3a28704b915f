#include "pattern/horn_summary.hpp"

namespace pattern {

HornSummary summariseHorn(const Request& request, const HornQuantities& horn, const aperture::HornPattern& pattern) {
    return {request.unit, horn,
            tableModelValues(request.radius.real, request.slant.real, request.frequency.real, request.unit),
            integratedValues(pattern)};
}

}  // namespace pattern
