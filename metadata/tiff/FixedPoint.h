#pragma once
// Number-to-text and rounding rules shared by the value formatting and the
// derived values. Nothing here depends on the C locale.

#include <span>
#include <string>
#include <string_view>

#include "metadata/Regional.h"

namespace pixolyn {

// Fixed-point text of value with the given count of decimals, padded with
// blanks on the left to at least width characters. Uses the decimal
// separator of the regional settings and rounds halves away from zero on the value's shortest
// decimal form, so 0.125 with two decimals gives "0,13" and 1.005 gives "1,01". A result that
// rounds to zero carries no minus sign. NaN and infinities are written "NAN", "INF" and "-INF".
std::string FormatFixed(double value, int width, int decimals, const RegionalSettings& regional);

// Fills each fixed-point conversion ("%5.2f", "%0.1f", "%f") of pattern with
// the next number; "%%" writes "%". A conversion without a number left, and any
// other "%" sequence, is copied as it stands.
std::string FormatNumberPattern(std::string_view pattern, std::span<const double> values,
                                const RegionalSettings& regional);

// Replaces each "%s" of pattern by text; "%%" writes "%".
std::string FormatTextPattern(std::string_view pattern, std::string_view text);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// NaN gives 0; values beyond the 32-bit range give the nearest end of it.
int RoundHalfEven(double value);

}  // namespace pixolyn
