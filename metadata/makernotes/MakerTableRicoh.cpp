// Ricoh maker notes with a directory ("RICOH" or "Ricoh" and a directory behind).

#include <string>

#include "makernotes/MakerNoteTables.h"
#include "makernotes/StoredNames.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below; a number without words shows as stored.
constexpr TValueName kRecordingFormatNames[] = {{2, "JPEG"}, {3, "DNG"}};
constexpr TValueName kDriveModeNames[] = {
    {0, "Single-frame"}, {1, "Continuous"}, {8, "AF-priority Continuous"}};
constexpr TValueName kSharpnessNames[] = {{0, "Sharp"}, {1, "Normal"}, {2, "Soft"}};
constexpr TValueName kFocusModeNames[] = {
    {1, "Manual"},      {2, "Multi AF"},         {3, "Spot AF"},     {4, "Snap"},  {5, "Infinity"},
    {7, "Face Detect"}, {8, "Subject Tracking"}, {9, "Pinpoint AF"}, {10, "Movie"}};
constexpr TValueName kAutoBracketingNames[] = {
    {0, "Off"}, {9, "AE"}, {11, "WB"}, {16, "DR"}, {17, "Contrast"}, {18, "WB2"}, {19, "Effect"}};
constexpr TValueName kOffOnNames[] = {{0, "Off"}, {1, "On"}};
constexpr TValueName kFlashModeNames[] = {{0, "Off"},
                                          {1, "Auto, Fired"},
                                          {2, "On"},
                                          {3, "Auto, Fired, Red-eye reduction"},
                                          {4, "Slow Sync"},
                                          {5, "Manual"},
                                          {6, "On, Red-eye reduction"},
                                          {7, "Synchro, Red-eye reduction"},
                                          {8, "Auto, Did not fire"}};
constexpr TValueName kNoiseReductionNames[] = {
    {0, "Off"}, {1, "Weak"}, {2, "Medium"}, {3, "Strong"}};
constexpr TValueName kImageEffectsNames[] = {
    {0, "Standard"},          {1, "Vivid"},          {3, "Black & White"},
    {5, "B&W Toning Effect"}, {6, "Setting 1"},      {7, "Setting 2"},
    {9, "High-contrast B&W"}, {10, "Cross Process"}, {11, "Positive Film"},
    {12, "Bleach Bypass"},    {13, "Retro"},         {15, "Miniature"},
    {17, "High Key"}};
constexpr TValueName kContrastNames[] = {{2147483647, "MAX"}};
constexpr TValueName kAFAreaModeNames[] = {{0, "Auto"}, {2, "Manual"}};

// The serial number's sixteen bytes, written as hexadecimal digits.
std::string FormatSerialNumber(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const char c : value.Bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

// The GR keeps its white balance, a SHORT, under the tag of the others'
// sharpness, a number of four bytes.
std::string FormatSharpness(const TTypedValue& value, const RegionalSettings& regional) {
  if (value.Type == kTypeShort) return {};
  return NameOrStored<kSharpnessNames>(value, regional);
}

// The drive mode is a SHORT; older cameras keep a number of four bytes of
// another meaning under its tag.
std::string FormatDriveMode(const TTypedValue& value, const RegionalSettings& regional) {
  if (value.Type != kTypeShort) return {};
  return NameOrStored<kDriveModeNames>(value, regional);
}
}  // namespace

std::span<const TTagEntry> RicohTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0001, .Name = "MakerNoteType", .Label = "Maker Note Type"},
      {.Tag = 0x0002, .Name = "FirmwareVersion", .Label = "Firmware Version"},
      {.Tag = 0x0005, .Name = "InternalSerialNumber", .Label = "Internal Serial Number", .Formatter = FormatSerialNumber},
      {.Tag = 0x1000, .Name = "RecordingFormat", .Label = "Recording Format", .Formatter = NameOrStored<kRecordingFormatNames>},
      {.Tag = 0x1002, .Name = "DriveMode", .Label = "Drive Mode", .Formatter = FormatDriveMode},
      {.Tag = 0x1003, .Name = "Sharpness", .Label = "Sharpness", .Formatter = FormatSharpness},
      {.Tag = 0x1006, .Name = "FocusMode", .Label = "Focus Mode", .Formatter = NameOrStored<kFocusModeNames>},
      {.Tag = 0x1007, .Name = "AutoBracketing", .Label = "Auto Bracketing", .Formatter = NameOrStored<kAutoBracketingNames>},
      {.Tag = 0x1009, .Name = "MacroMode", .Label = "Macro Mode", .Formatter = NameOrStored<kOffOnNames>},
      {.Tag = 0x100A, .Name = "FlashMode", .Label = "Flash Mode", .Formatter = NameOrStored<kFlashModeNames>},
      {.Tag = 0x100F, .Name = "NoiseReduction", .Label = "Noise Reduction", .Formatter = NameOrStored<kNoiseReductionNames>},
      {.Tag = 0x1010, .Name = "ImageEffects", .Label = "Image Effects", .Formatter = NameOrStored<kImageEffectsNames>},
      {.Tag = 0x1012, .Name = "Contrast", .Label = "Contrast", .Formatter = NameOrStored<kContrastNames>},
      {.Tag = 0x1013, .Name = "Saturation", .Label = "Saturation"},
      {.Tag = 0x1014, .Name = "Sharpness", .Label = "Sharpness"},
      {.Tag = 0x1205, .Name = "AFAreaMode", .Label = "AF Area Mode", .Formatter = NameOrStored<kAFAreaModeNames>},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
