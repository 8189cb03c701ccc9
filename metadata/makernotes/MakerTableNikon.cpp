// Nikon maker notes: the layout behind an eight-byte "Nikon" header (table 1)
// and the headerless layout of the later cameras (table 2).

#include "makernotes/MakerNoteTables.h"

#include "makernotes/NikonFormatters.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below.
// The words of 6 run on into those of 10, which has never shown any.
constexpr TValueName kQualityNames[] = {{1, "Vga Basic"},        {2, "Vga Normal"},
                                        {3, "Vga Fine"},         {4, "SXGA Basic"},
                                        {5, "SXGA Normal"},      {6, "SXGA Fine10:2 Mpixel Basic"},
                                        {11, "2 Mpixel Normal"}, {12, "2 Mpixel Fine"}};
constexpr TValueName kColorModeNames[] = {{1, "Color"}, {2, "Monochrome"}};
constexpr TValueName kImageAdjustmentNames[] = {
    {0, "Normal"}, {1, "Bright+"}, {2, "Bright-"}, {3, "Contrast+"}, {4, "Contrast-"}};
constexpr TValueName kISOSpeedNames[] = {{0, "ISO80"}, {2, "ISO160"}, {4, "ISO320"}, {5, "ISO100"}};
constexpr TValueName kWhiteBalanceNames[] = {
    {0, "Auto"},         {1, "Preset"}, {2, "Daylight"},  {3, "Incandescense"},
    {4, "Fluorescence"}, {5, "Cloudy"}, {6, "SpeedLight"}};
constexpr TValueName kConverterNames[] = {{0, "nicht verwendet"}, {1, "verwendet"}};
}  // namespace

std::span<const TTagEntry> NikonTagTable1() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0002, .Name = "FamilyID", .Label = "FamilyID"},
      {.Tag = 0x0003, .Name = "Quality", .Label = "Quality", .ValueMap = kQualityNames},
      {.Tag = 0x0004, .Name = "ColorMode", .Label = "ColorMode", .ValueMap = kColorModeNames},
      {.Tag = 0x0005, .Name = "ImageAdjustment", .Label = "ImageAdjustment", .ValueMap = kImageAdjustmentNames},
      {.Tag = 0x0006, .Name = "ISOSpeed", .Label = "ISOSpeed", .ValueMap = kISOSpeedNames},
      {.Tag = 0x0007, .Name = "WhiteBalance", .Label = "WhiteBalance", .ValueMap = kWhiteBalanceNames},
      {.Tag = 0x0008, .Name = "Focus", .Label = "Focus"},
      {.Tag = 0x0009, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x000A, .Name = "DigitalZoom", .Label = "DigitalZoom"},
      {.Tag = 0x000B, .Name = "Converter", .Label = "Converter", .ValueMap = kConverterNames},
      {.Tag = 0x0F00, .Name = "Skip", .Label = "Skip"},
      // clang-format on
  };
  return rows;
}

std::span<const TTagEntry> NikonTagTable2() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0001, .Name = "FamilyID", .Label = "FamilyID"},
      {.Tag = 0x0002, .Name = "ISOSpeed", .Label = "ISOSpeed"},
      {.Tag = 0x0003, .Name = "ColorMode", .Label = "ColorMode"},
      {.Tag = 0x0004, .Name = "Quality", .Label = "Quality"},
      {.Tag = 0x0005, .Name = "WhiteBalance", .Label = "WhiteBalance"},
      {.Tag = 0x0006, .Name = "ImageSharpening", .Label = "ImageSharpening"},
      {.Tag = 0x0007, .Name = "FocusMode", .Label = "FocusMode"},
      {.Tag = 0x0008, .Name = "FlashSetting", .Label = "FlashSetting"},
      {.Tag = 0x000A, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x000F, .Name = "DigitalZoom", .Label = "DigitalZoom"},
      {.Tag = 0x0010, .Name = "Skip", .Label = "Skip"},
      {.Tag = 0x0080, .Name = "ImageAdjustment", .Label = "ImageAdjustment"},
      {.Tag = 0x0082, .Name = "Adapter", .Label = "Adapter"},
      {.Tag = 0x0084, .Name = "Lens information", .Label = "Lens information", .Formatter = FormatNikonLens},
      {.Tag = 0x0085, .Name = "ManualFocusDistance", .Label = "ManualFocusDistance"},
      {.Tag = 0x0086, .Name = "DigitalZoom", .Label = "DigitalZoom"},
      {.Tag = 0x0088, .Name = "AFFocusPosition", .Label = "AFFocusPosition"},
      {.Tag = 0x0089, .Name = "Mode", .Label = "Mode"},
      {.Tag = 0x0F00, .Name = "Skip", .Label = "Skip"},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
