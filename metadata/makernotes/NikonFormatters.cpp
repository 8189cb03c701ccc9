#include "makernotes/NikonFormatters.h"

#include <array>
#include <string_view>

#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
constexpr std::string_view kSeparator = ", ";
constexpr std::size_t kPartLimit = 64;  // how much of the rest each step keeps
const char* const kLensPattern = "%0.1f-%0.1f(mm)  F%0.1f-F%0.1f";
}  // namespace

std::string FormatNikonLens(const std::string& text) {
  std::array<double, 4> values{};
  std::string_view rest = text;
  for (std::size_t i = 0; i + 1 < values.size(); ++i) {
    const auto pos = rest.find(kSeparator);
    if (pos == std::string_view::npos) {
      // No separator: this part is empty and the rest stays, cut.
      rest = rest.substr(0, kPartLimit);
      continue;
    }
    values[i] = ParseRationalText(std::string(rest.substr(0, pos)));
    // The rest begins with the blank of the separator, which the parse skips.
    rest = rest.substr(pos + 1, kPartLimit);
  }
  values.back() = ParseRationalText(std::string(rest));
  return FormatNumberPattern(kLensPattern, values);
}

}  // namespace pixolyn
