#pragma once
// An independent evaluation of the horn model's expressions in a chosen
// evaluation type W, storing to float exactly where the model stores a Real:
//   W = float   every operation rounded to 24 bits, as the vector build;
//   W = double  every operation rounded to 53 bits, as the x87 build with its
//               53-bit precision control (same significand; the x87 build's
//               wider exponent range does not matter for finite inputs).
// The interpolation uses the closed three-point forms P1, P2, P3 rather than
// the model's Lagrange loop. Functions are the C library's float or double
// ones, which are what each build's wide:: functions call.

#include <cmath>

#include "horn/tables.hpp"

namespace reference {

inline float log(float x) { return ::logf(x); }
inline double log(double x) { return ::log(x); }
inline float pow(float x, float y) { return ::powf(x, y); }
inline double pow(double x, double y) { return ::pow(x, y); }
inline float sqrt(float x) { return ::sqrtf(x); }
inline double sqrt(double x) { return ::sqrt(x); }
inline float cos(float x) { return ::cosf(x); }
inline double cos(double x) { return ::cos(x); }
inline float atan(float x) { return ::atanf(x); }
inline double atan(double x) { return ::atan(x); }

// Rounds to float as a store does.
template <class W>
float store(W value) {
    volatile float stored = float(value);
    return stored;
}

struct Rule {
    float step;
    float offset;
    int highest;
};
inline constexpr Rule kGainLoss{0.02f, 1.1f, 39};
inline constexpr Rule kPattern{0.04f, 1.0f, 17};

// Window start, or 0 for none.
template <class W>
int start(float S, const Rule& rule) {
    const W t = W(S) / W(rule.step) + W(rule.offset);
    if (!(t >= W(1))) return 0;
    if (t >= W(rule.highest + 1)) return rule.highest;
    return int(t);
}

struct Weights {
    int start;
    float p1, p2, p3;
};

template <class W>
Weights weights(float S, const Rule& rule) {
    Weights w{start<W>(S, rule), 0, 0, 0};
    if (w.start == 0) return w;
    const float x1 = store(W(float(w.start - 1)) * W(rule.step));
    const float x2 = store(W(float(w.start)) * W(rule.step));
    const float x3 = store(W(float(w.start + 1)) * W(rule.step));
    const W X = S;
    // Each factor stored as the running P of the Lagrange loop is stored.
    w.p1 = store((X - W(x2)) / (W(x1) - W(x2)));
    w.p1 = store(W(w.p1) * (X - W(x3)) / (W(x1) - W(x3)));
    w.p2 = store((X - W(x1)) / (W(x2) - W(x1)));
    w.p2 = store(W(w.p2) * (X - W(x3)) / (W(x2) - W(x3)));
    w.p3 = store((X - W(x1)) / (W(x3) - W(x1)));
    w.p3 = store(W(w.p3) * (X - W(x2)) / (W(x3) - W(x2)));
    return w;
}

template <class W>
float apply(const Weights& w, const float* table) {
    if (w.start == 0) return NAN;
    const float* y = table + (w.start - 1);
    float sum = store(W(w.p1) * W(y[0]));
    sum = store(W(sum) + W(w.p2) * W(y[1]));
    sum = store(W(sum) + W(w.p3) * W(y[2]));
    return sum;
}

template <class W>
float interpolate(float S, const Rule& rule, const float* table) {
    return apply<W>(weights<W>(S, rule), table);
}

template <class W>
float gain(float f, float a, float L) {
    const float lambda = store(W(11.80285f) / W(f));
    const float S = store(W(a) * W(a) / (W(2.0f) * W(lambda) * W(L)));
    const float loss = interpolate<W>(S, kGainLoss, GAINLOSS);
    return store(W(8.685889f) * log(W(a) * W(f) / W(1.878482f)) - W(loss));
}

struct Dimensions {
    float a, L;
};

// Only for S <= 0.8: above it the operation writes nothing.
template <class W>
Dimensions dimensions(float f, float G, float S) {
    const float loss = interpolate<W>(S, kGainLoss, GAINLOSS);
    const W ka = pow(W(10.0f), (W(G) + W(loss)) / W(20.0f));
    const float a = store(ka * W(1.878482f) / W(f));
    const float L = store(W(a) * W(a) * W(f) / (W(S) * W(23.6057f)));
    return {a, L};
}

struct Beamwidths {
    float w[4];
};

template <class W>
Beamwidths beamwidths(float f, float a, float L) {
    const float lambda = store(W(11.80285f) / W(f));
    const float S = store(W(a) * W(a) / (W(L) * W(2.0f) * W(lambda)));
    const Weights window = weights<W>(S, kPattern);
    const W ka = W(a) * W(f) / W(1.878482f);
    const float* tables[4] = {U3DBE, U3DBH, U10DBE, U10DBH};
    const float K[4] = {0.3465736f, 0.3465736f, 1.151293f, 1.151293f};
    const float B[4] = {0.5f, 0.5f, 0.1f, 0.1f};
    Beamwidths out{};
    for (int n = 0; n < 4; ++n) {
        const float u = apply<W>(window, tables[n]);
        const float x = store(W(u) / ka);
        const float theta = store(atan(W(x) / sqrt(W(1.0f) - W(x) * W(x))));
        const float E = store(W(2.0f) * (W(2.0f) - W(K[n]) / log(cos(W(theta) / W(2.0f)))));
        const float c = store(pow(W(B[n]), W(1.0f) / W(E)));
        out.w[n] = store(atan(sqrt(W(1.0f) - W(c) * W(c)) / W(c)) * W(229.1831f));
    }
    return out;
}

}  // namespace reference
