#include "makernotes/NikonFormatters.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "metadata/TextUtil.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
using TLens = std::array<double, 4>;

const char* const kLensPattern = "%0.1f-%0.1f(mm)  F%0.1f-F%0.1f";

// A value stored as text is read as the list "a/b, c/d, e/f, g/h" it may spell.
TLens LensOfText(std::string_view text) {
  TLens values{};
  ReadWrittenFractions(text, values);
  return values;
}

using TDigits = std::array<char, 12>;

std::size_t DecimalLength(int64_t n) {
  TDigits digits;
  return static_cast<std::size_t>(std::to_chars(digits.begin(), digits.end(), n).ptr -
                                  digits.begin());
}

// The quotient read from the first length characters of the written fraction
// "n/d", the slash among them.
double QuotientOfCut(const TFraction& fraction, std::size_t length) {
  TDigits digits;
  const std::size_t numeratorLength = DecimalLength(fraction.Numerator);
  const auto end = std::to_chars(digits.begin(), digits.end(), fraction.Denominator).ptr;
  const std::string_view denominator(digits.begin(),
                                     static_cast<std::size_t>(end - digits.begin()));
  const auto cut = TextToInt(denominator.substr(0, length - numeratorLength - 1));
  const bool fits = fraction.Numerator >= INT32_MIN && fraction.Numerator <= INT32_MAX;
  if (!fits || !cut || *cut == 0) return 0;
  return static_cast<double>(fraction.Numerator) / *cut;
}

// The fourth number of four or more fractions. The list is read as written,
// keeping 64 characters after the first separator: a long list cuts the
// fourth fraction there, and a fifth one behind it spoils the reading.
double FourthOfMany(const TTypedValue& value) {
  const std::size_t count = ComponentCount(value);
  std::size_t written[3];
  for (std::size_t i = 1; i <= 3; ++i) {
    const TFraction f = FractionComponent(value, i);
    written[i - 1] = DecimalLength(f.Numerator) + 1 + DecimalLength(f.Denominator);
  }
  // " b, c, " comes before the fourth fraction in the 64 characters.
  const std::size_t before = written[0] + written[1] + 5;
  const std::size_t room = kWrittenPartLength - before;
  if (room == written[2] || (room > written[2] && count == 4)) return FractionQuotient(value, 3);
  if (room > written[2]) return 0;
  return QuotientOfCut(FractionComponent(value, 3), room);
}

TLens Lens(const TTypedValue& value) {
  if (value.Type == kTypeAscii || value.Type == kTypeUndefined) return LensOfText(value.Text);
  return PlacedFractions<4>(value, FourthOfMany);
}
}  // namespace

std::string FormatNikonLens(const TTypedValue& value, const RegionalSettings& regional) {
  return FormatNumberPattern(kLensPattern, Lens(value), regional);
}

}  // namespace pixolyn
