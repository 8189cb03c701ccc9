// Fujifilm maker notes.

#include "makernotes/MakerNoteTables.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below.
constexpr TValueName kSharpnessNames[] = {
    {1, "Soft"}, {2, "Soft"}, {3, "Normal"}, {4, "Hard"}, {5, "Hard"}};
constexpr TValueName kWhiteBalanceNames[] = {{0, "Auto"},
                                             {256, "Daylight"},
                                             {512, "Cloudy"},
                                             {768, "DaylightColor-fluorescence"},
                                             {769, "DaywhiteColor-fluorescence"},
                                             {770, "White-fluorescence"},
                                             {1024, "Incandenscense"},
                                             {3840, "Custom white balance."}};
constexpr TValueName kColorNames[] = {{0, "Normal"}, {256, "High"}, {512, "Low"}};
constexpr TValueName kFlashModeNames[] = {
    {0, "Auto"}, {1, "On"}, {2, "Off"}, {3, "Red-eye reduction"}};
constexpr TValueName kMacroNames[] = {{0, "Off"}, {1, "On"}};
constexpr TValueName kFocusmodeNames[] = {{0, "Auto Focus"}, {1, "Manual Focus"}};
constexpr TValueName kPictureModeNames[] = {{0, "Auto"},
                                            {1, "Portrait scene"},
                                            {2, "Landscape scene"},
                                            {4, "Sports scene"},
                                            {5, "Night scene"},
                                            {6, "Program AE"},
                                            {256, "Aperture prior AE"},
                                            {512, "Shutter prior AE"},
                                            {768, "Manual exposure"}};
constexpr TValueName kBlurWarningNames[] = {{0, "No blur warning"}, {1, "Blur warning"}};
constexpr TValueName kFocusWarningNames[] = {{0, "Auto Focus good"}, {1, "Out of focus"}};
constexpr TValueName kAEWarningNames[] = {{0, "AE good"}, {1, "Over exposure"}};
}  // namespace

std::span<const TTagEntry> FujiTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0000, .Name = "Version", .Label = "Version"},
      {.Tag = 0x1000, .Name = "Quality", .Label = "Quality"},
      {.Tag = 0x1001, .Name = "Sharpness", .Label = "Sharpness", .ValueMap = kSharpnessNames},
      {.Tag = 0x1002, .Name = "WhiteBalance", .Label = "WhiteBalance", .ValueMap = kWhiteBalanceNames},
      {.Tag = 0x1003, .Name = "Color", .Label = "Color", .ValueMap = kColorNames},
      {.Tag = 0x1004, .Name = "Tone", .Label = "Tone", .ValueMap = kColorNames},
      {.Tag = 0x1010, .Name = "FlashMode", .Label = "FlashMode", .ValueMap = kFlashModeNames},
      {.Tag = 0x1011, .Name = "FlashStrength", .Label = "FlashStrength"},
      {.Tag = 0x1020, .Name = "Macro", .Label = "Macro", .ValueMap = kMacroNames},
      {.Tag = 0x1021, .Name = "Focusmode", .Label = "Focusmode", .ValueMap = kFocusmodeNames},
      {.Tag = 0x1030, .Name = "SlowSync", .Label = "SlowSync", .ValueMap = kMacroNames},
      {.Tag = 0x1031, .Name = "PictureMode", .Label = "PictureMode", .ValueMap = kPictureModeNames},
      {.Tag = 0x1032, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x1100, .Name = "ContTake/Bracket", .Label = "ContTake/Bracket", .ValueMap = kMacroNames},
      {.Tag = 0x1200, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x1300, .Name = "BlurWarning", .Label = "BlurWarning", .ValueMap = kBlurWarningNames},
      {.Tag = 0x1301, .Name = "FocusWarning", .Label = "FocusWarning", .ValueMap = kFocusWarningNames},
      {.Tag = 0x1302, .Name = "AEWarning", .Label = "AEWarning", .ValueMap = kAEWarningNames},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
