// Apple maker notes of iPhones and iPads: "Apple iOS", a zero byte, a version,
// "MM" and a big-endian directory whose offsets count from the note's first byte.

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "makernotes/MakerNoteTables.h"
#include "makernotes/PropertyList.h"
#include "makernotes/StoredNames.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below; a number without words shows as stored.
constexpr TValueName kNoYesNames[] = {{0, "No"}, {1, "Yes"}};
constexpr TValueName kHDRImageTypeNames[] = {{3, "HDR Image"}, {4, "Original Image"}};

constexpr int64_t kRunTimeValid = 1;  // flag of a run time the phone could measure
constexpr int64_t kSecondsPerMinute = 60, kSecondsPerHour = 3600;

// The time since the phone was switched on, from its property list of ticks
// and ticks per second, as hours, minutes and seconds.
std::string FormatRunTime(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  const auto flags = PropertyListInteger(value.Bytes, "flags");
  const auto ticks = PropertyListInteger(value.Bytes, "value");
  const auto scale = PropertyListInteger(value.Bytes, "timescale");
  if (!flags || !(*flags & kRunTimeValid) || !ticks || *ticks < 0 || !scale || *scale <= 0)
    return {};
  const int64_t seconds = *ticks / *scale;
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%lld:%02lld:%02lld",
                static_cast<long long>(seconds / kSecondsPerHour),
                static_cast<long long>(seconds % kSecondsPerHour / kSecondsPerMinute),
                static_cast<long long>(seconds % kSecondsPerMinute));
  return text.data();
}

// The acceleration in g along the phone's X, Y and Z axes.
std::string FormatAcceleration(const TTypedValue& value, const RegionalSettings& regional) {
  if (!IsFractionType(value.Type)) return std::string(value.Text);
  std::string text;
  for (std::size_t i = 0; i < ComponentCount(value); ++i) {
    if (i > 0) text += ' ';
    text += FormatFixed(FractionQuotient(value, i), 0, 4, regional);
  }
  return text;
}

// The nearest and farthest distance in focus, in metres.
std::string FormatFocusDistanceRange(const TTypedValue& value, const RegionalSettings& regional) {
  if (!IsFractionType(value.Type) || ComponentCount(value) != 2) return std::string(value.Text);
  const auto [nearest, farthest] =
      std::minmax(FractionQuotient(value, 0), FractionQuotient(value, 1));
  return FormatFixed(nearest, 0, 2, regional) + " - " + FormatFixed(farthest, 0, 2, regional) +
         " m";
}
}  // namespace

std::span<const TTagEntry> AppleTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0001, .Name = "MakerNoteVersion", .Label = "Maker Note Version"},
      {.Tag = 0x0003, .Name = "RunTime", .Label = "Run Time Since Power Up", .Formatter = FormatRunTime},
      {.Tag = 0x0004, .Name = "AEStable", .Label = "AE Stable", .Formatter = NameOrStored<kNoYesNames>},
      {.Tag = 0x0005, .Name = "AETarget", .Label = "AE Target"},
      {.Tag = 0x0006, .Name = "AEAverage", .Label = "AE Average"},
      {.Tag = 0x0007, .Name = "AFStable", .Label = "AF Stable", .Formatter = NameOrStored<kNoYesNames>},
      {.Tag = 0x0008, .Name = "AccelerationVector", .Label = "Acceleration Vector", .Formatter = FormatAcceleration},
      {.Tag = 0x000A, .Name = "HDRImageType", .Label = "HDR Image Type", .Formatter = NameOrStored<kHDRImageTypeNames>},
      {.Tag = 0x000B, .Name = "BurstUUID", .Label = "Burst UUID"},
      {.Tag = 0x000C, .Name = "FocusDistanceRange", .Label = "Focus Distance Range", .Formatter = FormatFocusDistanceRange},
      {.Tag = 0x000F, .Name = "OISMode", .Label = "OIS Mode"},
      {.Tag = 0x0011, .Name = "ContentIdentifier", .Label = "Content Identifier"},
      {.Tag = 0x0015, .Name = "ImageUniqueID", .Label = "Image Unique ID"},
      {.Tag = 0x0045, .Name = "FrontFacingCamera", .Label = "Front Facing Camera", .Formatter = NameOrStored<kNoYesNames>},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
