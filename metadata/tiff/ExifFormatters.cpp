#include "tiff/ExifFormatters.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "metadata/TextUtil.h"
#include "tiff/ByteView.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {

using TGpsParts = std::array<double, 3>;

// A value stored as text is read as the list "a/b, c/d, e/f" it may spell.
TGpsParts GpsPartsOfText(std::string_view text) {
  TGpsParts parts{};
  ReadWrittenFractions(text, parts);
  return parts;
}

// Three fractions are degrees (or hours), minutes and seconds; of more, the
// written list gives no third part.
TGpsParts GpsParts(const TTypedValue& value) {
  if (value.Type == kTypeAscii || value.Type == kTypeUndefined) return GpsPartsOfText(value.Text);
  return PlacedFractions<3>(value, [](const TTypedValue& fractions) {
    return ComponentCount(fractions) == 3 ? FractionQuotient(fractions, 2) : 0.0;
  });
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

// The flash bits: one integer component, or a text that spells a number.
std::optional<int32_t> FlashBits(const TTypedValue& value) {
  if (value.Type == kTypeAscii) return TextToInt(value.Bytes);
  if (!IsIntegerType(value.Type) || ComponentCount(value) != 1) return std::nullopt;
  const int64_t bits = IntegerComponent(value, 0);
  if (bits < INT32_MIN || bits > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(bits);
}

std::string_view ComponentName(unsigned char byte) {
  static constexpr std::array<std::string_view, 7> kNames = {"", "Y", "Cb", "Cr", "R", "G", "B"};
  return byte < kNames.size() ? kNames[byte] : "";
}

// The APEX number of a value of one whole number or fraction; none for a
// fraction over zero or a value of another kind.
std::optional<double> ApexNumber(const TTypedValue& value) {
  if (ComponentCount(value) == 0) return std::nullopt;
  if (IsIntegerType(value.Type)) return static_cast<double>(IntegerComponent(value, 0));
  if (!IsFractionType(value.Type) || FractionComponent(value, 0).Denominator == 0) {
    return std::nullopt;
  }
  return FractionQuotient(value, 0);
}

}  // namespace

std::string FormatShutterSpeed(const TTypedValue& value, const RegionalSettings& regional) {
  const std::optional<double> apex = ApexNumber(value);
  const double seconds = apex ? std::exp2(-*apex) : 0;
  if (!std::isfinite(seconds) || !(seconds > 0)) return std::string(value.Text);
  if (seconds >= 1) return FormatFixed(seconds, 0, 1, regional) + " Sec";
  const double perSecond = std::nearbyint(1 / seconds);
  if (!std::isfinite(perSecond)) return std::string(value.Text);
  return "1/" + FormatFixed(perSecond, 0, 0, regional) + " Sec";
}

std::string FormatAperture(const TTypedValue& value, const RegionalSettings& regional) {
  const std::optional<double> apex = ApexNumber(value);
  const double fNumber = apex ? std::exp2(*apex / 2) : 0;
  if (!std::isfinite(fNumber) || !(fNumber > 0)) return std::string(value.Text);
  return FormatNumberPattern("F%0.1f", std::span(&fNumber, 1), regional);
}

std::string FormatComponents(const TTypedValue& value, const RegionalSettings&) {
  // Undefined bytes count up to the first zero; a text is read from its
  // second character on, where an undefined value's bytes begin after the
  // quote it is shown with. Numbers name no channels.
  std::string_view channels;
  if (value.Type == kTypeUndefined) {
    channels = value.Bytes.substr(0, value.Bytes.find('\0')).substr(0, 4);
  } else if (value.Type == kTypeAscii) {
    channels = ByteView(value.Bytes).ViewClamped(1, 4);
  }
  std::string result;
  for (const char byte : channels) result += ComponentName(static_cast<unsigned char>(byte));
  return result;
}

std::string FormatFlash(const TTypedValue& value, const RegionalSettings&) {
  const std::optional<int32_t> bits = FlashBits(value);
  // A value of several components or a fraction has no bits to name.
  if (!bits) return std::string(value.Text);
  const int32_t v = *bits;
  std::string result = (v & 1) ? "On" : "Off";
  for (const TFlashPart& part : kFlashParts) {
    if ((v & part.Mask) == part.Value) result += part.Text;
  }
  return result;
}

std::string FormatGpsPosition(const TTypedValue& value, const RegionalSettings& regional) {
  TGpsParts parts = GpsParts(value);
  double& minutes = parts[1];
  double& seconds = parts[2];
  if (seconds == 0) {
    // Minutes written with a fraction carry the seconds in it.
    const double whole = std::trunc(minutes);
    seconds = (minutes - whole) * 100 * 0.6;
    minutes = whole;
  }
  return FormatNumberPattern("%0.0f Degrees %0.0f Minutes %0.0f Seconds", parts, regional);
}

std::string FormatGpsTime(const TTypedValue& value, const RegionalSettings& regional) {
  return FormatNumberPattern("%0.0f:%0.0f:%0.0f", GpsParts(value), regional);
}

}  // namespace pixolyn
