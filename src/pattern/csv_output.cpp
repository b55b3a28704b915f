#include "pattern/csv_output.hpp"

#include <string>

#include "pattern/decimal_text.hpp"
#include "pattern/pattern_row.hpp"

namespace pattern {

void writeCsv(const aperture::HornPattern& pattern, const AngleGrid& grid, TextSink& out) {
    out.put(kCsvHeader);
    std::string line;
    for (std::int64_t k = 0; k <= grid.last; ++k) {
        const PatternRow row = patternRow(pattern, grid.angle(k));
        line.clear();
        appendFixed(line, row.thetaDeg, grid.decimals);
        for (const double level : {row.eDb, row.hDb, row.crossDb}) {
            line += ',';
            appendFixed(line, level, kCsvLevelDecimals);
        }
        for (const double phase : {row.ePhaseDeg, row.hPhaseDeg}) {
            line += ',';
            appendPhase(line, phase, kCsvPhaseDecimals);
        }
        line += '\n';
        out.put(line);
    }
}

}  // namespace pattern
