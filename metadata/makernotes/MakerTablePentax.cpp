// Pentax maker notes, also those of the cameras Ricoh Imaging builds.

#include <array>
#include <cstdio>
#include <string>

#include "makernotes/MakerNoteTables.h"
#include "makernotes/StoredNames.h"
#include "tiff/ByteView.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below; a number without words shows as
// stored, and of several numbers the first alone (the others mean other things).
constexpr TValueName kQualityNames[] = {{0, "Good"},
                                        {1, "Better"},
                                        {2, "Best"},
                                        {3, "TIFF"},
                                        {4, "RAW"},
                                        {5, "Premium"},
                                        {7, "RAW (pixel shift enabled)"},
                                        {8, "Dynamic Pixel Shift"},
                                        {65535, "n/a"}};
constexpr TValueName kFocusModeNames[] = {{0, "Normal"},
                                          {1, "Macro"},
                                          {2, "Infinity"},
                                          {3, "Manual"},
                                          {4, "Super Macro"},
                                          {5, "Pan Focus"},
                                          {16, "AF-S (Focus-priority)"},
                                          {17, "AF-C (Focus-priority)"},
                                          {18, "AF-A (Focus-priority)"},
                                          {32, "Contrast-detect (Focus-priority)"},
                                          {33, "Tracking Contrast-detect (Focus-priority)"},
                                          {272, "AF-S (Release-priority)"},
                                          {273, "AF-C (Release-priority)"},
                                          {274, "AF-A (Release-priority)"},
                                          {288, "Contrast-detect (Release-priority)"}};
// The numbers of single points differ from model to model; these do not.
constexpr TValueName kAFPointNames[] = {{65531, "AF Select"},
                                        {65532, "Face Detect AF"},
                                        {65533, "Automatic Tracking AF"},
                                        {65534, "Fixed Center"},
                                        {65535, "Auto"}};
constexpr TValueName kMeteringModeNames[] = {
    {0, "Multi-segment"}, {1, "Center-weighted average"}, {2, "Spot"}};
constexpr TValueName kWhiteBalanceNames[] = {{0, "Auto"},
                                             {1, "Daylight"},
                                             {2, "Shade"},
                                             {3, "Fluorescent"},
                                             {4, "Tungsten"},
                                             {5, "Manual"},
                                             {6, "Daylight Fluorescent"},
                                             {7, "Day White Fluorescent"},
                                             {8, "White Fluorescent"},
                                             {9, "Flash"},
                                             {10, "Cloudy"},
                                             {11, "Warm White Fluorescent"},
                                             {14, "Multi Auto"},
                                             {15, "Color Temperature Enhancement"},
                                             {17, "Kelvin"},
                                             {65534, "Unknown"},
                                             {65535, "User-Selected"}};
constexpr TValueName kWhiteBalanceModeNames[] = {{1, "Auto (Daylight)"},
                                                 {2, "Auto (Shade)"},
                                                 {3, "Auto (Flash)"},
                                                 {4, "Auto (Tungsten)"},
                                                 {6, "Auto (Daylight Fluorescent)"},
                                                 {7, "Auto (Day White Fluorescent)"},
                                                 {8, "Auto (White Fluorescent)"},
                                                 {10, "Auto (Cloudy)"},
                                                 {65534, "Unknown"},
                                                 {65535, "User-Selected"}};
constexpr TValueName kSaturationNames[] = {
    {0, "-2 (low)"},         {1, "0 (normal)"},    {2, "+2 (high)"},      {3, "-1 (medium low)"},
    {4, "+1 (medium high)"}, {5, "-3 (very low)"}, {6, "+3 (very high)"}, {7, "-4 (minimum)"},
    {8, "+4 (maximum)"},     {65535, "None"}};
constexpr TValueName kContrastNames[] = {
    {0, "-2 (low)"},         {1, "0 (normal)"},    {2, "+2 (high)"},      {3, "-1 (medium low)"},
    {4, "+1 (medium high)"}, {5, "-3 (very low)"}, {6, "+3 (very high)"}, {7, "-4 (minimum)"},
    {8, "+4 (maximum)"},     {65535, "n/a"}};
constexpr TValueName kSharpnessNames[] = {
    {0, "-2 (soft)"},        {1, "0 (normal)"},       {2, "+2 (hard)"},
    {3, "-1 (medium soft)"}, {4, "+1 (medium hard)"}, {5, "-3 (very soft)"},
    {6, "+3 (very hard)"},   {7, "-4 (minimum)"},     {8, "+4 (maximum)"}};
constexpr TValueName kImageToneNames[] = {{0, "Natural"},
                                          {1, "Bright"},
                                          {2, "Portrait"},
                                          {3, "Landscape"},
                                          {4, "Vibrant"},
                                          {5, "Monochrome"},
                                          {6, "Muted"},
                                          {7, "Reversal Film"},
                                          {8, "Bleach Bypass"},
                                          {9, "Radiant"},
                                          {10, "Cross Processing"},
                                          {11, "Flat"}};

// Drive mode: four numbers, each a setting of its own.
constexpr TValueName kShootingNames[] = {{0, "Single-frame"},        {1, "Continuous"},
                                         {2, "Continuous (Lo)"},     {3, "Burst"},
                                         {4, "Continuous (Medium)"}, {255, "Video"}};
constexpr TValueName kTimerNames[] = {{0, "No Timer"},         {1, "Self-timer (12 s)"},
                                      {2, "Self-timer (2 s)"}, {15, "Video"},
                                      {16, "Mirror Lock-up"},  {255, "n/a"}};
constexpr TValueName kReleaseNames[] = {{0, "Shutter Button"},
                                        {1, "Remote Control (3 s delay)"},
                                        {2, "Remote Control"},
                                        {4, "Remote Continuous Shooting"}};
constexpr TValueName kExposuresNames[] = {{0, "Single Exposure"},
                                          {1, "Multiple Exposure"},
                                          {2, "Composite Average"},
                                          {3, "Composite Additive"},
                                          {4, "Composite Bright"},
                                          {8, "Interval Shooting"},
                                          {10, "Interval Composite Average"},
                                          {11, "Interval Composite Additive"},
                                          {12, "Interval Composite Bright"},
                                          {15, "Interval Movie"},
                                          {16, "HDR"},
                                          {32, "HDR Strong 1"},
                                          {48, "HDR Strong 2"},
                                          {64, "HDR Strong 3"},
                                          {80, "HDR Manual"},
                                          {224, "HDR Auto"},
                                          {255, "Video"}};
constexpr TValueNames kDriveModePlaces[] = {kShootingNames, kTimerNames, kReleaseNames,
                                            kExposuresNames};

// Shake reduction: the second of the four bytes of the camera's record.
constexpr TValueName kShakeReductionNames[] = {
    {0, "Off"},        {1, "On"},           {4, "Off (4)"},  {5, "On but Disabled"},
    {6, "On (Video)"}, {7, "On (7)"},       {15, "On (15)"}, {39, "On (mode 2)"},
    {135, "On (135)"}, {167, "On (mode 1)"}};
constexpr std::size_t kShakeRecordSize = 4;
constexpr std::size_t kCameraRecordCount = 5;

// The firmware versions are stored with every bit inverted.
std::string FormatFirmware(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  const ByteView bytes(value.Bytes);
  if (bytes.Size() != 4) return std::string(value.Text);
  std::array<char, 24> text{};
  const auto part = [&](int64_t i) { return static_cast<unsigned>(~bytes.U8(i) & 0xFF); };
  std::snprintf(text.data(), text.size(), "%u.%02u.%02u.%02u", part(0), part(1), part(2), part(3));
  return text.data();
}

// The lens record begins with the lens series and its number in the series.
std::string FormatLensType(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  const ByteView bytes(value.Bytes);
  if (bytes.Size() < 2) return std::string(value.Text);
  return std::to_string(bytes.U8(0)) + " " + std::to_string(bytes.U8(1));
}

// Other layouts of the record (later models) give no row rather than a wrong word.
std::string FormatShakeReduction(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  const ByteView bytes(value.Bytes);
  if (bytes.Size() != kShakeRecordSize) return {};
  const std::string_view name = NameOfValue(kShakeReductionNames, bytes.U8(1));
  return name.empty() ? std::to_string(bytes.U8(1)) : std::string(name);
}
// The camera record's fifth number is the body's internal serial number.
std::string FormatInternalSerialNumber(const TTypedValue& value,
                                       const RegionalSettings& /*regional*/) {
  if (!IsIntegerType(value.Type) || ComponentCount(value) != kCameraRecordCount) return {};
  std::string text;
  AppendComponentText(text, value, kCameraRecordCount - 1, {});
  return text;
}
}  // namespace

std::span<const TTagEntry> PentaxTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0008, .Name = "Quality", .Label = "Quality", .Formatter = NameOrStored<kQualityNames>},
      {.Tag = 0x000D, .Name = "FocusMode", .Label = "Focus Mode", .Formatter = NameOrStored<kFocusModeNames>},
      {.Tag = 0x000E, .Name = "AFPointSelected", .Label = "AF Point Selected", .Formatter = NameOrStored<kAFPointNames>},
      {.Tag = 0x0017, .Name = "MeteringMode", .Label = "Metering Mode", .Formatter = NameOrStored<kMeteringModeNames>},
      {.Tag = 0x0019, .Name = "WhiteBalance", .Label = "White Balance", .Formatter = NameOrStored<kWhiteBalanceNames>},
      {.Tag = 0x001A, .Name = "WhiteBalanceMode", .Label = "White Balance Mode", .Formatter = NameOrStored<kWhiteBalanceModeNames>},
      {.Tag = 0x001F, .Name = "Saturation", .Label = "Saturation", .Formatter = NameOrStored<kSaturationNames>},
      {.Tag = 0x0020, .Name = "Contrast", .Label = "Contrast", .Formatter = NameOrStored<kContrastNames>},
      {.Tag = 0x0021, .Name = "Sharpness", .Label = "Sharpness", .Formatter = NameOrStored<kSharpnessNames>},
      {.Tag = 0x0027, .Name = "DSPFirmwareVersion", .Label = "DSP Firmware Version", .Formatter = FormatFirmware},
      {.Tag = 0x0028, .Name = "CPUFirmwareVersion", .Label = "CPU Firmware Version", .Formatter = FormatFirmware},
      {.Tag = 0x0034, .Name = "DriveMode", .Label = "Drive Mode", .Formatter = FormatNamedParts<kDriveModePlaces>},
      {.Tag = 0x003F, .Name = "LensType", .Label = "Lens Type", .Formatter = FormatLensType},
      {.Tag = 0x004F, .Name = "ImageTone", .Label = "Image Tone", .Formatter = NameOrStored<kImageToneNames>},
      {.Tag = 0x005C, .Name = "ShakeReduction", .Label = "Shake Reduction", .Formatter = FormatShakeReduction},
      {.Tag = 0x0215, .Name = "InternalSerialNumber", .Label = "Internal Serial Number", .Formatter = FormatInternalSerialNumber},
      {.Tag = 0x0229, .Name = "SerialNumber", .Label = "Serial Number"},
      {.Tag = 0x0230, .Name = "FirmwareVersion", .Label = "Firmware Version"},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
