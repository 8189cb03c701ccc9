#include "tiff/ExifFormatters.h"

#include <array>
#include <cmath>
#include <utility>

#include "metadata/TextUtil.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

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

// Words for the flash bit groups, in the order they are written.
struct TFlashPart {
  int32_t Mask;
  int32_t Value;
  const char* Text;
};
constexpr TFlashPart kFlashParts[] = {
    {.Mask = 6, .Value = 2, .Text = ", UNKNOWN"},
    {.Mask = 6, .Value = 4, .Text = ", no strobe return"},
    {.Mask = 6, .Value = 6, .Text = ", strobe return"},
    {.Mask = 24, .Value = 8, .Text = ", forced"},
    {.Mask = 24, .Value = 16, .Text = ", surpressed"},
    {.Mask = 24, .Value = 24, .Text = ", auto mode"},
    {.Mask = 32, .Value = 32, .Text = ", no flash function"},
    {.Mask = 64, .Value = 64, .Text = ", red-eye reduction"},
};

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
  // A value of several components or a fraction has no bits to name; it is
  // shown as it stands, and the directory reads on.
  if (!parsed) return text;
  const int32_t v = *parsed;
  std::string result = (v & 1) ? "On" : "Off";
  for (const TFlashPart& part : kFlashParts) {
    if ((v & part.Mask) == part.Value) result += part.Text;
  }
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
