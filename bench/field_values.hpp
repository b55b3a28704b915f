#pragma once
// Values to render into a fixed field of width w with d decimals, in three
// kinds, drawn from a fixed seed so every run renders the same values.
//
//   typical   |v| < 10^(w - d - 2): fits with its sign, any digits
//   tie       m / 2^(d + 1), m odd: exactly halfway between two renderings
//   overflow  10^(w - d - 1) <= |v| < 10^(w - d + 5): too long, asterisks

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "horn/arithmetic.hpp"

enum class FieldKind { typical, tie, overflow };

inline std::vector<Real> fieldValues(int width, int decimals, FieldKind kind, std::size_t count) {
    std::mt19937 random(20261211u + unsigned(width * 16 + decimals) + unsigned(kind) * 1000u);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double fits = std::pow(10.0, width - decimals - 2);
    std::vector<Real> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double sign = random() % 4 == 0 ? -1.0 : 1.0;
        double magnitude = 0;
        switch (kind) {
        case FieldKind::typical:
            magnitude = fits * unit(random);
            break;
        case FieldKind::tie: {
            // m < fits * 2^(d + 1), odd; m < 2^24 for every layout field, so
            // the value is exact in a Real.
            const double scale = std::ldexp(1.0, decimals + 1);
            const auto m = std::uint32_t(fits * scale * unit(random)) | 1u;
            magnitude = double(m) / scale;
            break;
        }
        case FieldKind::overflow:
            magnitude = fits * 10.0 * std::pow(10.0, 6.0 * unit(random));
            break;
        }
        values.push_back(Real(sign * magnitude));
    }
    return values;
}
