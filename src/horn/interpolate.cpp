#include "horn/interpolate.hpp"

#include <limits>

int windowStart(const Real& S, const WindowRule& rule) {
    // The quotient first, then the sum; t stays Wide and is truncated from
    // the Wide value. Comparing before truncating keeps NaN, infinities and
    // t beyond the int range away from the conversion.
    const Wide t = Wide(S) / Wide(rule.step) + Wide(rule.offset);
    if (!(t >= 1)) return kNoWindow;
    if (t >= rule.highestStart + 1) return rule.highestStart;
    return static_cast<int>(t);
}

// Weight of point J (from 0) in the Lagrange formula through N points:
// P = ((X - XA(K)) * P) / (XA(J) - XA(K)) for each K other than J, P stored
// as a Real after every step. This and addTerm are the only Lagrange
// arithmetic; ALGIP and the shared-window path both use them.
static inline Real lagrangeWeight(const Real& X, const Real XA[], int N, int J) {
    Real P = 1.0f;
    for (int K = 0; K < N; ++K) {
        if (K == J) continue;
        P = Real(((Wide(X) - Wide(XA[K])) * Wide(P)) / (Wide(XA[J]) - Wide(XA[K])));
    }
    return P;
}

// Y = Y + P * YA(J), Y stored as a Real after every term.
static inline void addTerm(Real& Y, const Real& P, const Real& y) {
    Y = Real(Wide(Y) + Wide(P) * Wide(y));
}

Real ALGIP(const Real& X, const Real XA[], const Real YA[], const int& N) {
    Real Y = 0.0f;
    for (int J = 0; J < N; ++J) addTerm(Y, lagrangeWeight(X, XA, N, J), YA[J]);
    return Y;
}

void locateWindow(const Real& S, const WindowRule& rule, Window& window) {
    window.start = windowStart(S, rule);
    if (window.start == kNoWindow) return;
    // Grid points of entries I, I + 1, I + 2: (I - 1)h, Ih, (I + 1)h, each
    // an integer times h once, with no running sum.
    Real XA[3];
    for (int J = 0; J < 3; ++J) XA[J] = Real(Wide(Real(window.start - 1 + J)) * Wide(rule.step));
    for (int J = 0; J < 3; ++J) window.weight[J] = lagrangeWeight(S, XA, 3, J);
}

Real interpolate(const Window& window, const Real table[]) {
    if (window.start == kNoWindow) return std::numeric_limits<Real>::quiet_NaN();
    const Real* YA = table + (window.start - 1);
    Real Y = 0.0f;
    for (int J = 0; J < 3; ++J) addTerm(Y, window.weight[J], YA[J]);
    return Y;
}
