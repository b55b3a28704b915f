#pragma once
// The tables the benchmarks compute, the same as bench/run-e2e's session:
// a design table of a 20 dB horn at 10 GHz, and the analysis table of a
// horn of radius 2 in and slant length 8 in from 9 to 18.99999 GHz in steps
// of 0.00001 GHz (1,000,000 rows). Rows take their values through the
// driver's own tableRowCount and tableRowValue.

#include <cstdint>

#include "dialogue/table_rows.hpp"
#include "horn/arithmetic.hpp"

struct TableRange {
    Real start, stop, step;
};

inline constexpr Real kDesignFrequency = 10.0f;
inline constexpr Real kDesignGain = 20.0f;
inline constexpr TableRange kDesignRange{0.05f, 0.75f, 0.0001f};

inline constexpr Real kAnalysisRadius = 2.0f;
inline constexpr Real kAnalysisSlant = 8.0f;
inline constexpr TableRange kAnalysisRange{9.0f, 18.99999f, 0.00001f};

// Steps through the rows of a table, from row 1 again after the last.
class TableRows {
public:
    explicit TableRows(const TableRange& range) : range_(range), count_(tableRowCount(range.start, range.stop, range.step)) {}

    Real next() {
        const Real value = tableRowValue(row_, range_.start, range_.step);
        row_ = row_ == count_ ? 1 : row_ + 1;
        return value;
    }

private:
    TableRange range_;
    std::int32_t count_;
    std::int32_t row_ = 1;
};
