#include "metadata/ExifFormatters.h"

#include <array>
#include <cmath>

#include "metadata/FixedPoint.h"
#include "metadata/TextUtil.h"
#include "metadata/ValueFormat.h"

namespace pixolyn {

namespace {

// The three fractions of a GPS position or time, as read from "a/b, c/d, e/f".
struct TGpsParts {
  double First = 0;
  double Second = 0;
  double Third = 0;
};

constexpr std::size_t kGpsPartLength = 64;

// Splits at the first ", ": the part before it (empty without one) and up to
// 64 characters from the blank after the comma (from the start without one).
std::pair<std::string, std::string> SplitAtComma(const std::string& text) {
  const auto comma = text.find(", ");
  if (comma == std::string::npos) return {std::string(), text.substr(0, kGpsPartLength)};
  return {text.substr(0, comma), text.substr(comma + 1, kGpsPartLength)};
}

TGpsParts SplitGpsParts(const std::string& text) {
  const auto [first, rest] = SplitAtComma(text);
  const auto [second, third] = SplitAtComma(rest);
  return {ParseRationalText(first), ParseRationalText(second), ParseRationalText(third)};
}

std::string ComponentName(unsigned char byte) {
  static constexpr std::array<const char*, 7> kNames = {"", "Y", "Cb", "Cr", "R", "G", "B"};
  return byte < kNames.size() ? kNames[byte] : "";
}

}  // namespace

std::string FormatComponents(const std::string& text) {
  // Characters 2 to 5 of the quoted text are the first four value bytes.
  std::string result;
  for (std::size_t pos = 1; pos <= 4 && pos < text.size(); ++pos) {
    result += ComponentName(static_cast<unsigned char>(text[pos]));
  }
  return result;
}

std::string FormatFlash(const std::string& text) {
  const auto parsed = TextToInt(text);
  if (!parsed) throw ValueConversionError(text);
  const int32_t v = *parsed;
  std::string result = (v & 1) ? "On" : "Off";
  switch (v & 6) {
    case 2:
      result += ", UNKNOWN";
      break;
    case 4:
      result += ", no strobe return";
      break;
    case 6:
      result += ", strobe return";
      break;
  }
  switch (v & 24) {
    case 8:
      result += ", forced";
      break;
    case 16:
      result += ", surpressed";
      break;
    case 24:
      result += ", auto mode";
      break;
  }
  if (v & 32) result += ", no flash function";
  if (v & 64) result += ", red-eye reduction";
  return result;
}

std::string FormatGpsPosition(const std::string& text) {
  TGpsParts parts = SplitGpsParts(text);
  double& minutes = parts.Second;
  double& seconds = parts.Third;
  if (seconds == 0) {
    // Minutes written with a fraction carry the seconds in it.
    const double whole = std::trunc(minutes);
    seconds = (minutes - whole) * 100 * 0.6;
    minutes = whole;
  }
  const std::array<double, 3> values = {parts.First, minutes, seconds};
  return FormatNumberPattern("%0.0f Degrees %0.0f Minutes %0.0f Seconds", values);
}

std::string FormatGpsTime(const std::string& text) {
  const TGpsParts parts = SplitGpsParts(text);
  const std::array<double, 3> values = {parts.First, parts.Second, parts.Third};
  return FormatNumberPattern("%0.0f:%0.0f:%0.0f", values);
}

}  // namespace pixolyn
