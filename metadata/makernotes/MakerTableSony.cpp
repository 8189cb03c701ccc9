// Sony maker notes: the tags Sony keeps in the open. The enciphered blocks
// (0x9400 and its neighbours) and the binary records have no rows.

#include "makernotes/MakerNoteTables.h"

#include "makernotes/StoredNames.h"

namespace pixolyn {

namespace {
constexpr int64_t kLongNotSet = 0xFFFFFFFF;
constexpr int64_t kShortNotSet = 0xFFFF;

// Words for the stored numbers of the tags below; a number without words shows as stored.
constexpr TValueName kQualityNames[] = {{0, "RAW"},
                                        {1, "Super Fine"},
                                        {2, "Fine"},
                                        {3, "Standard"},
                                        {4, "Economy"},
                                        {5, "Extra Fine"},
                                        {6, "RAW + JPEG/HEIF"},
                                        {7, "Compressed RAW"},
                                        {8, "Compressed RAW + JPEG"},
                                        {9, "Light"},
                                        {kLongNotSet, "n/a"}};
constexpr TValueName kWhiteBalanceNames[] = {
    {0x00, "Auto"},     {0x01, "Color Temperature/Color Filter"},
    {0x10, "Daylight"}, {0x20, "Cloudy"},
    {0x30, "Shade"},    {0x40, "Tungsten"},
    {0x50, "Flash"},    {0x60, "Fluorescent"},
    {0x70, "Custom"},   {0x80, "Underwater"}};
constexpr TValueName kHighIsoNoiseReductionNames[] = {
    {0, "Off"}, {1, "Low"}, {2, "Normal"}, {3, "High"}, {256, "Auto"}, {kShortNotSet, "n/a"}};
constexpr TValueName kOffOnNames[] = {{0, "Off"}, {1, "On"}, {kLongNotSet, "n/a"}};
constexpr TValueName kFocusModeNames[] = {{0, "Manual"}, {2, "AF-S"}, {3, "AF-C"},
                                          {4, "AF-A"},   {6, "DMF"},  {7, "AF-D"}};
constexpr TValueName kSceneModeNames[] = {{0, "Standard"},
                                          {1, "Portrait"},
                                          {2, "Text"},
                                          {3, "Night Scene"},
                                          {4, "Sunset"},
                                          {5, "Sports"},
                                          {6, "Landscape"},
                                          {7, "Night Portrait"},
                                          {8, "Macro"},
                                          {9, "Super Macro"},
                                          {16, "Auto"},
                                          {17, "Night View/Portrait"},
                                          {18, "Sweep Panorama"},
                                          {19, "Handheld Night Shot"},
                                          {20, "Anti Motion Blur"},
                                          {21, "Cont. Priority AE"},
                                          {22, "Auto+"},
                                          {23, "3D Sweep Panorama"},
                                          {24, "Superior Auto"},
                                          {25, "High Sensitivity"},
                                          {26, "Fireworks"},
                                          {27, "Food"},
                                          {28, "Pet"},
                                          {33, "HDR"},
                                          {kShortNotSet, "n/a"}};
constexpr TValueName kZoneMatchingNames[] = {
    {0, "ISO Setting Used"}, {1, "High Key"}, {2, "Low Key"}};
constexpr TValueName kDynamicRangeNames[] = {
    {0, "Off"},           {1, "Standard"},     {2, "Advanced Auto"}, {3, "Auto"},
    {8, "Advanced Lv1"},  {9, "Advanced Lv2"}, {10, "Advanced Lv3"}, {11, "Advanced Lv4"},
    {12, "Advanced Lv5"}, {16, "Lv1"},         {17, "Lv2"},          {18, "Lv3"},
    {19, "Lv4"},          {20, "Lv5"}};
constexpr TValueName kColorModeNames[] = {{0, "Standard"},
                                          {1, "Vivid"},
                                          {2, "Portrait"},
                                          {3, "Landscape"},
                                          {4, "Sunset"},
                                          {5, "Night View/Portrait"},
                                          {6, "B&W"},
                                          {7, "Adobe RGB"},
                                          {12, "Neutral"},
                                          {13, "Clear"},
                                          {14, "Deep"},
                                          {15, "Light"},
                                          {16, "Autumn Leaves"},
                                          {17, "Sepia"},
                                          {18, "FL"},
                                          {19, "Vivid 2"},
                                          {20, "IN"},
                                          {21, "SH"},
                                          {22, "FL2"},
                                          {23, "FL3"},
                                          {100, "Neutral"},
                                          {101, "Clear"},
                                          {102, "Deep"},
                                          {103, "Light"},
                                          {104, "Night View"},
                                          {105, "Autumn Leaves"},
                                          {255, "Off"},
                                          {kLongNotSet, "n/a"}};
constexpr TValueName kMacroNames[] = {
    {0, "Off"}, {1, "On"}, {2, "Close Focus"}, {kShortNotSet, "n/a"}};
constexpr TValueName kAFIlluminatorNames[] = {{0, "Off"}, {1, "Auto"}, {kShortNotSet, "n/a"}};
constexpr TValueName kJpegQualityNames[] = {
    {0, "Standard"}, {1, "Fine"}, {2, "Extra Fine"}, {kShortNotSet, "n/a"}};
constexpr TValueName kReleaseModeNames[] = {{0, "Normal"},
                                            {2, "Continuous"},
                                            {5, "Exposure Bracketing"},
                                            {6, "White Balance Bracketing"},
                                            {8, "DRO Bracketing"},
                                            {kShortNotSet, "n/a"}};
constexpr TValueName kAntiBlurNames[] = {
    {0, "Off"}, {1, "On (Continuous)"}, {2, "On (Shooting)"}, {kShortNotSet, "n/a"}};
constexpr TValueName kDynamicRangeOldNames[] = {{0, "Off"}, {1, "Standard"}, {2, "Plus"}};
constexpr TValueName kIntelligentAutoNames[] = {{0, "Off"}, {1, "On"}, {2, "Advanced"}};
}  // namespace

std::span<const TTagEntry> SonyTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0102, .Name = "Quality", .Label = "Quality", .Formatter = NameOrStored<kQualityNames>},
      {.Tag = 0x0104, .Name = "FlashExposureComp", .Label = "Flash Exposure Comp"},
      {.Tag = 0x0112, .Name = "WhiteBalanceFineTune", .Label = "White Balance Fine Tune"},
      {.Tag = 0x0115, .Name = "WhiteBalance", .Label = "White Balance", .Formatter = NameOrStored<kWhiteBalanceNames>},
      {.Tag = 0x2004, .Name = "Contrast", .Label = "Contrast"},
      {.Tag = 0x2005, .Name = "Saturation", .Label = "Saturation"},
      {.Tag = 0x2006, .Name = "Sharpness", .Label = "Sharpness"},
      {.Tag = 0x2009, .Name = "HighISONoiseReduction", .Label = "High ISO Noise Reduction", .Formatter = NameOrStored<kHighIsoNoiseReductionNames>},
      {.Tag = 0x201B, .Name = "FocusMode", .Label = "Focus Mode", .Formatter = NameOrStored<kFocusModeNames>},
      {.Tag = 0x201C, .Name = "AFAreaModeSetting", .Label = "AF Area Mode Setting"},
      {.Tag = 0x2031, .Name = "SerialNumber", .Label = "Serial Number"},
      {.Tag = 0xB001, .Name = "SonyModelID", .Label = "Sony Model ID"},
      {.Tag = 0xB020, .Name = "CreativeStyle", .Label = "Creative Style"},
      {.Tag = 0xB021, .Name = "ColorTemperature", .Label = "Color Temperature"},
      {.Tag = 0xB023, .Name = "SceneMode", .Label = "Scene Mode", .Formatter = NameOrStored<kSceneModeNames>},
      {.Tag = 0xB024, .Name = "ZoneMatching", .Label = "Zone Matching", .Formatter = NameOrStored<kZoneMatchingNames>},
      {.Tag = 0xB025, .Name = "DynamicRangeOptimizer", .Label = "Dynamic Range Optimizer", .Formatter = NameOrStored<kDynamicRangeNames>},
      {.Tag = 0xB026, .Name = "ImageStabilization", .Label = "Image Stabilization", .Formatter = NameOrStored<kOffOnNames>},
      {.Tag = 0xB027, .Name = "LensType", .Label = "Lens Type"},
      {.Tag = 0xB029, .Name = "ColorMode", .Label = "Color Mode", .Formatter = NameOrStored<kColorModeNames>},
      {.Tag = 0xB040, .Name = "Macro", .Label = "Macro", .Formatter = NameOrStored<kMacroNames>},
      {.Tag = 0xB042, .Name = "FocusMode", .Label = "Focus Mode"},
      {.Tag = 0xB043, .Name = "AFAreaMode", .Label = "AF Area Mode"},
      {.Tag = 0xB044, .Name = "AFIlluminator", .Label = "AF Illuminator", .Formatter = NameOrStored<kAFIlluminatorNames>},
      {.Tag = 0xB047, .Name = "JPEGQuality", .Label = "JPEG Quality", .Formatter = NameOrStored<kJpegQualityNames>},
      {.Tag = 0xB049, .Name = "ReleaseMode", .Label = "Release Mode", .Formatter = NameOrStored<kReleaseModeNames>},
      {.Tag = 0xB04A, .Name = "SequenceNumber", .Label = "Sequence Number"},
      {.Tag = 0xB04B, .Name = "AntiBlur", .Label = "Anti-Blur", .Formatter = NameOrStored<kAntiBlurNames>},
      {.Tag = 0xB04F, .Name = "DynamicRangeOptimizer", .Label = "Dynamic Range Optimizer", .Formatter = NameOrStored<kDynamicRangeOldNames>},
      {.Tag = 0xB052, .Name = "IntelligentAuto", .Label = "Intelligent Auto", .Formatter = NameOrStored<kIntelligentAutoNames>},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
