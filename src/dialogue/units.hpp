#pragma once
// The two units of length of the dialogue: the label printed after a value
// and the factor from inches to the unit, indexed by the unit code of the
// unit prompt (1 centimetres, 2 inches).

#include <string_view>

#include "horn/arithmetic.hpp"

// Indexed by unit code; code 0 ends the run before either is used.
inline constexpr std::string_view UNITLBL[] = {"", " cm ", " in."};
inline constexpr Real UNITFAC[] = {0, 2.54f, 1.0f};  // display units per inch
