// Casio maker notes.

#include "makernotes/MakerNoteTables.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below.
constexpr TValueName kRecordingModeNames[] = {
    {1, "Single Shutter"}, {2, "Panorama"}, {3, "Night Scene"}, {4, "Portrait"}, {5, "Landscape"}};
constexpr TValueName kQualityNames[] = {{1, "Economy"}, {2, "Normal"}, {3, "Fine"}};
constexpr TValueName kFocusingModeNames[] = {
    {2, "Macro"}, {3, "Auto Focus"}, {4, "Manual Focus"}, {5, "Infinity"}};
constexpr TValueName kFlashModeNames[] = {
    {1, "Auto"}, {2, "On"}, {3, "Off"}, {4, "Red Eye Reduction"}};
constexpr TValueName kFlashIntensityNames[] = {{11, "Weak"}, {13, "Normal"}, {15, "Strong"}};
constexpr TValueName kWhiteBalanceNames[] = {{1, "Auto"},        {2, "Tungsten"}, {3, "Daylight"},
                                             {4, "Fluorescent"}, {5, "Shade"},    {129, "Manual"}};
constexpr TValueName kDigitalZoomNames[] = {{65536, "Off"}, {65537, "2X Digital Zoom"}};
constexpr TValueName kSharpnessNames[] = {{0, "Normal"}, {1, "Soft"}, {2, "Hard"}};
constexpr TValueName kContrastNames[] = {{0, "Normal"}, {1, "Low"}, {2, "High"}};
constexpr TValueName kCCDSensitivityNames[] = {{64, "Normal"}, {125, "+1.0"},  {250, "+2.0"},
                                               {244, "+3.0"},  {80, "Normal"}, {100, "High"}};
}  // namespace

std::span<const TTagEntry> CasioTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0001, .Name = "RecordingMode", .Label = "RecordingMode", .ValueMap = kRecordingModeNames},
      {.Tag = 0x0002, .Name = "Quality", .Label = "Quality", .ValueMap = kQualityNames},
      {.Tag = 0x0003, .Name = "FocusingMode", .Label = "FocusingMode", .ValueMap = kFocusingModeNames},
      {.Tag = 0x0004, .Name = "FlashMode", .Label = "FlashMode", .ValueMap = kFlashModeNames},
      {.Tag = 0x0005, .Name = "FlashIntensity", .Label = "FlashIntensity", .ValueMap = kFlashIntensityNames},
      {.Tag = 0x0006, .Name = "ObjectDistance", .Label = "ObjectDistance"},
      {.Tag = 0x0007, .Name = "WhiteBalance", .Label = "WhiteBalance", .ValueMap = kWhiteBalanceNames},
      {.Tag = 0x0008, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0009, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x000A, .Name = "DigitalZoom", .Label = "DigitalZoom", .ValueMap = kDigitalZoomNames},
      {.Tag = 0x000B, .Name = "Sharpness", .Label = "Sharpness", .ValueMap = kSharpnessNames},
      {.Tag = 0x000C, .Name = "Contrast", .Label = "Contrast", .ValueMap = kContrastNames},
      {.Tag = 0x000D, .Name = "Saturation", .Label = "Saturation", .ValueMap = kContrastNames},
      {.Tag = 0x000E, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x000F, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0010, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0011, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0012, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0013, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0014, .Name = "CCDSensitivity", .Label = "CCDSensitivity", .ValueMap = kCCDSensitivityNames},
      {.Tag = 0x0015, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0016, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0017, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0018, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0019, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x001A, .Name = "Skip", .Label = "Skip"},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
