#include "metadata/GpsPosition.h"

#include <algorithm>
#include <cmath>

#include "metadata/ExifDecoder.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {

// The standard tag of that name; maker notes may reuse GPS names for their own values.
const TTagEntry* StandardTag(const TImageInfo& exif, std::string_view name) {
  const int count = std::min<int>(exif.TagCount, static_cast<int>(exif.TagList.size()));
  for (int i = 0; i < count; ++i) {
    const TTagEntry& entry = exif.TagList[static_cast<std::size_t>(i)];
    if (entry.Group == 0 && entry.Name == name) return &entry;
  }
  return nullptr;
}

// The first letter of a text tag such as a Ref, in upper case; 0 for none.
char FirstLetter(const TTagEntry* entry) {
  if (!entry || entry->RawText.empty()) return '\0';
  const char letter = entry->RawText.front();
  return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

// Degrees + minutes / 60 + seconds / 3600 of up to three fractions. An unused
// part is often written 0/0; any other zero denominator spoils the value.
std::optional<double> Degrees(const TTagEntry* entry) {
  if (!entry || !IsFractionType(entry->FormatType)) return std::nullopt;
  const TTypedValue value{
      .Type = entry->FormatType, .BigEndian = entry->BigEndian, .Bytes = entry->RawText};
  const std::size_t count = ComponentCount(value);
  if (count == 0 || count > 3) return std::nullopt;
  double degrees = 0;
  double unit = 1;
  for (std::size_t i = 0; i < count; ++i, unit *= 60) {
    const TFraction part = FractionComponent(value, i);
    if (part.Denominator == 0) {
      if (part.Numerator != 0) return std::nullopt;
      continue;
    }
    degrees += static_cast<double>(part.Numerator) / static_cast<double>(part.Denominator) / unit;
  }
  return degrees;
}

std::optional<double> Coordinate(const TImageInfo& exif, std::string_view name,
                                 std::string_view refName, char negativeRef, double limit) {
  std::optional<double> degrees = Degrees(StandardTag(exif, name));
  if (!degrees || !std::isfinite(*degrees) || std::fabs(*degrees) > limit) return std::nullopt;
  if (FirstLetter(StandardTag(exif, refName)) == negativeRef) *degrees = -std::fabs(*degrees);
  return degrees;
}

}  // namespace

std::optional<TGpsPosition> GpsPositionOf(const TImageInfo* exif) {
  if (!exif) return std::nullopt;
  if (FirstLetter(StandardTag(*exif, "GPSStatus")) == 'V') return std::nullopt;
  const auto latitude = Coordinate(*exif, "GPSLatitude", "GPSLatitudeRef", 'S', 90);
  const auto longitude = Coordinate(*exif, "GPSLongitude", "GPSLongitudeRef", 'W', 180);
  if (!latitude || !longitude) return std::nullopt;
  return TGpsPosition{.Latitude = *latitude, .Longitude = *longitude};
}

}  // namespace pixolyn
