// The named roundings: every rounding in Tallyman goes through one of these.
#pragma once

#include "numbers/amount.h"

namespace tallyman {

// Rounds to cents the way the "#,###.00" format does and reads the text back as an Amount:
// the double taken to 15 significant digits, then half away from zero to 2 decimals.
Amount roundCents(double value);

// Rounds half away from zero to `places` decimals on the 15-digit text; the double result.
double roundHalfAwayFromZero(double value, int places);

// Whole-dollar rounding: nearest, ties to even (12.5 -> 12, 13.5 -> 14).
double roundWhole(double value);

} // namespace tallyman
