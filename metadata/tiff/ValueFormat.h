#pragma once
// Raw tag bytes to the value text the table shows, and to numbers.
// bigEndian is the byte order of the raw bytes: true for Motorola ("MM"),
// false for Intel ("II").

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "metadata/TagEntry.h"
#include "tiff/FixedPoint.h"

namespace pixolyn {

// Bytes per component of a TIFF type code; 0 for type 0 and every type above 12.
int TypeSize(int type);

bool IsIntegerType(int type);
bool IsFractionType(int type);

// Number of whole components of the value.
std::size_t ComponentCount(const TTypedValue& value);
// Component i (below ComponentCount) of an integer value, signed as its type is.
int64_t IntegerComponent(const TTypedValue& value, std::size_t i);
// Numerator and denominator of component i (below ComponentCount) of a fraction value.
struct TFraction {
  int64_t Numerator = 0;
  int64_t Denominator = 0;
};
TFraction FractionComponent(const TTypedValue& value, std::size_t i);
// Quotient of component i of a fraction value, read as its written form
// "n/d" reads: 0 when d is 0 or either number lies outside the signed 32-bit range.
double FractionQuotient(const TTypedValue& value, std::size_t i);

// The quotients of a fraction value in places places, as the reading of its
// written list "a/b, c/d, ..." puts them: fewer fractions fill the first
// places but the last, which takes the last fraction; from places fractions
// on, the last place is lastOfMany(value). No fractions, or another type, give zeros.
template <std::size_t places, typename LastOfMany>
std::array<double, places> PlacedFractions(const TTypedValue& value, LastOfMany lastOfMany) {
  std::array<double, places> parts{};
  const std::size_t count = IsFractionType(value.Type) ? ComponentCount(value) : 0;
  if (count == 0) return parts;
  for (std::size_t i = 0; i + 1 < std::min(count, places); ++i)
    parts[i] = FractionQuotient(value, i);
  parts[places - 1] = count < places ? FractionQuotient(value, count - 1) : lastOfMany(value);
  return parts;
}

// Appends the text of component i (below ComponentCount) of a number value:
// an integer in decimal or through the value map, a fraction as "n/d", a
// float as "-9999.99".
void AppendComponentText(std::string& text, const TTypedValue& value, std::size_t i,
                         TValueNames valueMap);

// Value text of a numeric entry (not ASCII or UNDEFINED): the components
// joined by ", " (integers in decimal or through the value map, fractions as
// "n/d", floats as "-9999.99"), then the format pattern if there is one.
// BYTE, SHORT, LONG and RATIONAL read unsigned, the S types signed.
// "0" for a type without a component size. Does not throw.
std::string FormatTagValue(std::string_view raw, int type, TValueNames valueMap,
                           std::string_view pattern, bool bigEndian,
                           const RegionalSettings& regional);

// Numeric value of a raw value, signed as its type is: integers read over all
// bytes as one number (of more than four bytes, the last four in Motorola
// order, the first four in Intel order), the first fraction, the first float.
// 0 for non-numeric types, a division by zero, a NaN or an infinity. Does not throw.
double TagValueAsNumber(std::string_view raw, int type, bool bigEndian);

// Value of a written "numerator/denominator" (of a value stored as text);
// 0 on any failure, 0/0 and x/0 included.
double ParseRationalText(std::string_view text);

// How many characters of a written list each step of its reading keeps.
inline constexpr std::size_t kWrittenPartLength = 64;

// The quotients of a written list "a/b, c/d, ..." (a value stored as text),
// one a place: each place but the last takes the part before the next ", ",
// and the rest behind it is cut to kWrittenPartLength characters; once no
// separator is left, those places are 0 and the last place takes the rest.
void ReadWrittenFractions(std::string_view text, std::span<double> places);

// The whole text, every character below 32 replaced by ".".
std::string MakePrintable(std::string text);

}  // namespace pixolyn
