// Olympus maker notes.

#include "makernotes/MakerNoteTables.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below.
constexpr TValueName kJpegQualNames[] = {{1, "SQ"}, {2, "HQ"}, {3, "SHQ"}, {4, "Raw"}};
// 0 has never had words.
constexpr TValueName kMacroNames[] = {{1, "Macro;"}};
}  // namespace

std::span<const TTagEntry> OlympusTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0200, .Name = "SpecialMode", .Label = "SpecialMode"},
      {.Tag = 0x0201, .Name = "JpegQual", .Label = "JpegQual", .ValueMap = kJpegQualNames},
      {.Tag = 0x0202, .Name = "Macro", .Label = "Macro", .ValueMap = kMacroNames},
      {.Tag = 0x0203, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0204, .Name = "DigiZoom", .Label = "Digital Zoom Ratio"},
      {.Tag = 0x0205, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0206, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0207, .Name = "Firmware", .Label = "Firmware"},
      {.Tag = 0x0208, .Name = "PictInfo", .Label = "Picture Info"},
      {.Tag = 0x0209, .Name = "CameraID", .Label = "Camera ID"},
      {.Tag = 0x0F00, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x1004, .Name = "FlashMode", .Label = "Flash Mode"},
      {.Tag = 0x1006, .Name = "Bracket", .Label = "Bracket"},
      {.Tag = 0x100B, .Name = "FocusMode", .Label = "Focus Mode"},
      {.Tag = 0x100C, .Name = "FocusDistance", .Label = "Focus Distance"},
      {.Tag = 0x100D, .Name = "Zoom", .Label = "Zoom"},
      {.Tag = 0x100E, .Name = "MacroFocus", .Label = "Macro Focus"},
      {.Tag = 0x100F, .Name = "Sharpness", .Label = "Sharpness"},
      {.Tag = 0x1011, .Name = "ColorMatrix", .Label = "Color Matrix"},
      {.Tag = 0x1012, .Name = "BlackLevel", .Label = "Black Level"},
      {.Tag = 0x1015, .Name = "WhiteBalance", .Label = "White Balance"},
      {.Tag = 0x1017, .Name = "RedBias", .Label = "Red Bias"},
      {.Tag = 0x1018, .Name = "BlueBias", .Label = "Blue Bias"},
      {.Tag = 0x101A, .Name = "SerialNumber", .Label = "SerialNumber"},
      {.Tag = 0x1023, .Name = "FlashBias", .Label = "Flash Bias"},
      {.Tag = 0x1029, .Name = "Contrast", .Label = "Contrast"},
      {.Tag = 0x102A, .Name = "SharpnessFactor", .Label = "Sharpness Factor"},
      {.Tag = 0x102B, .Name = "ColorControl", .Label = "Color Control"},
      {.Tag = 0x102C, .Name = "ValidBits", .Label = "Valid Bits"},
      {.Tag = 0x102D, .Name = "Coring", .Label = "Coring Filter"},
      {.Tag = 0x102E, .Name = "FinalWidth", .Label = "Final Width"},
      {.Tag = 0x102F, .Name = "FinalHeight", .Label = "Final Height"},
      {.Tag = 0x1034, .Name = "CompressionRatio", .Label = "Compression Ratio"},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
