#pragma once
// The one place that decides velmor's arithmetic.
//
// Real is every stored value: tables, dialogue variables, model results.
// Wide is the type an expression is evaluated in between two stores. Code
// reads the same in both builds:
//
//     Real lambda = Real(Wide(kWavelengthInchGHz) / f);
//
// The build picks the variant with the single definition VELMOR_X87:
//   vector build  Wide = float on SSE: every operation rounds to Real.
//                 Flush-to-zero is set at start-up.
//   x87 build     Wide = long double on the x87 unit with the precision
//                 control at a 53-bit significand: an expression is rounded
//                 to 53 bits per operation and to Real where it is stored.
//
// Constant subexpressions must not appear in Wide code: the compiler folds
// long double constants with a 64-bit significand, not 53.
//
// The wide:: functions are the build's mathematics library. In the x87 build
// sqrt, log, cos and atan test their argument and raise MathError; pow does
// not test, and no vector-build function does.

using Real = float;

enum class Build { vector, x87 };

// A mathematics function was given an argument outside its domain. Thrown
// from the model; only the program's entry catches it.
struct MathError {
    const char* function;  // "sqrt", "log", "cos", "atan"
    const char* kind;      // "domain error", "singularity"
};

// Sets the build's floating-point environment for the whole run: every
// exception masked, and flush-to-zero (vector) or a 53-bit significand (x87).
void setArithmeticEnvironment();

#if VELMOR_X87

using Wide = long double;
inline constexpr Build kBuild = Build::x87;

namespace wide {
[[noreturn]] void raiseMathError(const char* function, const char* kind);

// A Wide value held to a 53-bit significand converts to double exactly, so
// the double library gives the 53-bit result without the slower
// extended-precision routines.
inline Wide sqrt(Wide x) {
    if (x < 0 || x != x) raiseMathError("sqrt", "domain error");  // -0 passes
    return __builtin_sqrt(static_cast<double>(x));
}
inline Wide log(Wide x) {
    if (x == 0) raiseMathError("log", "singularity");
    if (!(x > 0)) raiseMathError("log", "domain error");  // negative or NaN
    return __builtin_log(static_cast<double>(x));
}
inline Wide cos(Wide x) {
    if (x != x) raiseMathError("cos", "domain error");
    return __builtin_cos(static_cast<double>(x));
}
inline Wide atan(Wide x) {
    if (x != x) raiseMathError("atan", "domain error");
    return __builtin_atan(static_cast<double>(x));
}
inline Wide pow(Wide x, Wide y) {
    return __builtin_pow(static_cast<double>(x), static_cast<double>(y));
}
}  // namespace wide

#else

using Wide = float;
inline constexpr Build kBuild = Build::vector;

namespace wide {
inline Wide sqrt(Wide x) { return __builtin_sqrtf(x); }
inline Wide log(Wide x) { return __builtin_logf(x); }
inline Wide cos(Wide x) { return __builtin_cosf(x); }
inline Wide atan(Wide x) { return __builtin_atanf(x); }
inline Wide pow(Wide x, Wide y) { return __builtin_powf(x, y); }
}  // namespace wide

#endif
