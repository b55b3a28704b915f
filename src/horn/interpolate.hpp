#pragma once
// Reading a characteristic table at a phase deviation S: the window rule that
// picks three consecutive entries, and Lagrange interpolation through them.
//
// Every stored quantity is a Real; in the x87 build each expression between
// two stores keeps a 53-bit significand (see arithmetic.hpp). The stores are
// S (by the caller), each abscissa XA(J), each new running weight P and each
// new partial sum Y. The window parameter t is never stored: it is truncated
// from the Wide value.

#include "horn/arithmetic.hpp"
#include "horn/tables.hpp"

// Constants of the window rule for one family of tables. For a phase
// deviation S the window start is I = trunc(S / step + offset), capped at
// highestStart, whose window ends on the table's last entry.
struct WindowRule {
    Real step;
    Real offset;
    int highestStart;
};

// GAINLOSS: the offset of 1.1 starts the window at a grid point from a tenth
// of a step below it, so the start is valid for S >= -0.002.
inline constexpr WindowRule kGainLossRule{kGainLossStep, 1.1f, kGainLossEntries - 2};
// Pattern tables: the window starts at the grid point at or below S.
inline constexpr WindowRule kPatternRule{kPatternStep, 1.0f, kPatternEntries - 2};

// The value of windowStart when S gives no start inside the table: t below 1
// or NaN (a negative or NaN S; for GAINLOSS an S below -0.002).
inline constexpr int kNoWindow = 0;

// Window start I (entry number from 1) for S, or kNoWindow. A t at or above
// highestStart + 1, however large and including +infinity, gives
// highestStart; t is compared before it is truncated, so no out-of-range
// value is ever converted to an integer.
int windowStart(const Real& S, const WindowRule& rule);

// ALGIP: value at X of the polynomial of degree N - 1 through the points
// (XA(J), YA(J)), J = 1..N, by the Lagrange formula. N <= 0 gives 0. Equal
// abscissae divide by zero (infinities or NaNs, never a trap). Cost: N(N-1)
// multiplications and divisions, N multiply-adds.
Real ALGIP(const Real& X, const Real XA[], const Real YA[], const int& N);

// A three-point window at one S: its start and the Lagrange weights P1, P2,
// P3 of its abscissae. The weights depend only on S and the window, so one
// window serves every table of its family.
struct Window {
    int start;         // 1..highestStart, or kNoWindow
    Real weight[3];
};

// Locates the window for S and computes its weights in ALGIP's order of
// operations. With no valid start only `start` is written.
void locateWindow(const Real& S, const WindowRule& rule, Window& window);

// The interpolated table value at the window's S: (P1 Y1 + P2 Y2) + P3 Y3,
// bit for bit ALGIP(S, XA, YA, 3) on the window's entries. NaN when the
// window has no valid start; the table is then not read.
Real interpolate(const Window& window, const Real table[]);

// Window rule and interpolation in one: the table's value at S.
inline Real interpolateAt(const Real& S, const WindowRule& rule, const Real table[]) {
    Window window;
    locateWindow(S, rule, window);
    return interpolate(window, table);
}
