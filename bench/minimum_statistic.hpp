#pragma once
// The fastest of the repetitions, beside Google Benchmark's mean, median
// and deviation. On a shared machine other work only ever adds time, so the
// minimum is the steadiest estimate of a benchmark's own cost; ratios are
// taken between minima (and between medians) of one run.

#include <algorithm>
#include <vector>

inline double minimumOfRepetitions(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}
