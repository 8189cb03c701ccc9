// Panasonic maker notes, which the Leica models Panasonic builds write too.

#include "makernotes/MakerNoteTables.h"

#include "makernotes/StoredNames.h"

namespace pixolyn {

namespace {
// Words for the stored numbers of the tags below; a number without words shows as stored.
constexpr TValueName kQualityNames[] = {
    {1, "TIFF"}, {2, "High"},           {3, "Normal"},         {6, "Very High"},
    {7, "RAW"},  {9, "Motion Picture"}, {11, "Full HD Movie"}, {12, "4k Movie"}};
constexpr TValueName kWhiteBalanceNames[] = {
    {1, "Auto"},        {2, "Daylight"}, {3, "Cloudy"},         {4, "Incandescent"},
    {5, "Manual"},      {8, "Flash"},    {10, "Black & White"}, {11, "Manual 2"},
    {12, "Shade"},      {13, "Kelvin"},  {14, "Manual 3"},      {15, "Manual 4"},
    {19, "Auto (cool)"}};
constexpr TValueName kFocusModeNames[] = {
    {1, "Auto"}, {2, "Manual"}, {4, "Auto, Focus button"}, {5, "Auto, Continuous"}, {6, "AF-S"},
    {7, "AF-C"}, {8, "AF-F"}};
// Two bytes, as 256 * first + second. "0 1" and "0 16" mean other areas on the
// DMC-FZ10 than on the other models, so they show as stored.
constexpr TValueName kAFAreaModeNames[] = {{0x0017, "23-area"},
                                           {0x0031, "49-area"},
                                           {0x00E1, "225-area"},
                                           {0x0100, "Spot Focusing"},
                                           {0x0101, "5-area"},
                                           {0x1000, "1-area"},
                                           {0x1010, "1-area (high speed)"},
                                           {0x1020, "1-area +"},
                                           {0x1100, "Full Area"},
                                           {0x2000, "Tracking"},
                                           {0x2001, "3-area (left)?"},
                                           {0x2002, "3-area (center)?"},
                                           {0x2003, "3-area (right)?"},
                                           {0x2010, "Zone"},
                                           {0x2012, "Zone (horizontal/vertical)"},
                                           {0x4000, "Face Detect"},
                                           {0x4001, "Face Detect (animal detect on)"},
                                           {0x4002, "Face Detect (animal detect off)"},
                                           {0x8000, "Pinpoint focus"},
                                           {0xF000, "Tracking"}};
constexpr TValueName kStabilisationNames[] = {{2, "On, Optical"},   {3, "Off"},
                                              {4, "On, Mode 2"},    {5, "On, Optical Panning"},
                                              {6, "On, Body-only"}, {7, "On, Body-only Panning"},
                                              {9, "Dual IS"},       {10, "Dual IS Panning"},
                                              {11, "Dual2 IS"},     {12, "Dual2 IS Panning"}};
constexpr TValueName kMacroModeNames[] = {
    {1, "On"}, {2, "Off"}, {257, "Tele-Macro"}, {513, "Macro Zoom"}};
constexpr TValueName kShootingModeNames[] = {{1, "Normal"},
                                             {2, "Portrait"},
                                             {3, "Scenery"},
                                             {4, "Sports"},
                                             {5, "Night Portrait"},
                                             {6, "Program"},
                                             {7, "Aperture Priority"},
                                             {8, "Shutter Priority"},
                                             {9, "Macro"},
                                             {10, "Spot"},
                                             {11, "Manual"},
                                             {12, "Movie Preview"},
                                             {13, "Panning"},
                                             {14, "Simple"},
                                             {15, "Color Effects"},
                                             {16, "Self Portrait"},
                                             {17, "Economy"},
                                             {18, "Fireworks"},
                                             {19, "Party"},
                                             {20, "Snow"},
                                             {21, "Night Scenery"},
                                             {22, "Food"},
                                             {23, "Baby"},
                                             {24, "Soft Skin"},
                                             {25, "Candlelight"},
                                             {26, "Starry Night"},
                                             {27, "High Sensitivity"},
                                             {28, "Panorama Assist"},
                                             {29, "Underwater"},
                                             {30, "Beach"},
                                             {31, "Aerial Photo"},
                                             {32, "Sunset"},
                                             {33, "Pet"},
                                             {34, "Intelligent ISO"},
                                             {35, "Clipboard"},
                                             {36, "High Speed Continuous Shooting"},
                                             {37, "Intelligent Auto"},
                                             {39, "Multi-aspect"},
                                             {41, "Transform"},
                                             {42, "Flash Burst"},
                                             {43, "Pin Hole"},
                                             {44, "Film Grain"},
                                             {45, "My Color"},
                                             {46, "Photo Frame"},
                                             {48, "Movie"},
                                             {51, "HDR"}};
constexpr TValueName kAudioNames[] = {{1, "Yes"}, {2, "No"}};
constexpr TValueName kColorEffectNames[] = {
    {1, "Off"}, {2, "Warm"}, {3, "Cool"}, {4, "Black & White"}, {5, "Sepia"}};
constexpr TValueName kBurstModeNames[] = {{0, "Off"}, {1, "On"}};
// Panasonic's own numbers, then those of the Leica models.
constexpr TValueName kContrastModeNames[] = {{0, "Normal"},  {1, "Low"},        {2, "High"},
                                             {0x100, "Low"}, {0x110, "Normal"}, {0x120, "High"}};
constexpr TValueName kNoiseReductionNames[] = {
    {0, "Standard"}, {1, "Low (-1)"}, {2, "High (+1)"}, {3, "Lowest (-2)"}, {4, "Highest (+2)"}};
constexpr TValueName kSelfTimerNames[] = {{1, "Off"}, {2, "10 s"}, {3, "2 s"}};
constexpr TValueName kRotationNames[] = {
    {1, "Horizontal (normal)"}, {3, "Rotate 180"}, {6, "Rotate 90 CW"}, {8, "Rotate 270 CW"}};
constexpr TValueName kColorModeNames[] = {{0, "Normal"}, {1, "Natural"}};
constexpr TValueName kConversionLensNames[] = {
    {1, "Off"}, {2, "Wide"}, {3, "Telephoto"}, {4, "Macro"}};
constexpr TValueName kLevelNames[] = {{0, "Normal"}, {1, "Low"}, {2, "High"}};
constexpr TValueName kFilmModeNames[] = {{0, "n/a"},
                                         {1, "Standard (color)"},
                                         {2, "Dynamic (color)"},
                                         {3, "Nature (color)"},
                                         {4, "Smooth (color)"},
                                         {5, "Standard (B&W)"},
                                         {6, "Dynamic (B&W)"},
                                         {7, "Smooth (B&W)"},
                                         {10, "Nostalgic"},
                                         {11, "Vibrant"}};
constexpr TValueName kPhotoStyleNames[] = {{0, "Auto"},       {1, "Standard or Custom"},
                                           {2, "Vivid"},      {3, "Natural"},
                                           {4, "Monochrome"}, {5, "Scenery"},
                                           {6, "Portrait"}};
}  // namespace

std::span<const TTagEntry> PanasonicTagTable() {
  static const TTagEntry rows[] = {
      // clang-format off
      {.Tag = 0x0001, .Name = "ImageQuality", .Label = "Image Quality", .Formatter = NameOrStored<kQualityNames>},
      {.Tag = 0x0002, .Name = "FirmwareVersion", .Label = "Firmware Version", .Formatter = FormatDottedBytes},
      {.Tag = 0x0003, .Name = "WhiteBalance", .Label = "White Balance", .Formatter = NameOrStored<kWhiteBalanceNames>},
      {.Tag = 0x0007, .Name = "FocusMode", .Label = "Focus Mode", .Formatter = NameOrStored<kFocusModeNames>},
      {.Tag = 0x000F, .Name = "AFAreaMode", .Label = "AF Area Mode", .Formatter = PairNameOrStored<kAFAreaModeNames>},
      {.Tag = 0x001A, .Name = "ImageStabilization", .Label = "Image Stabilization", .Formatter = NameOrStored<kStabilisationNames>},
      {.Tag = 0x001C, .Name = "MacroMode", .Label = "Macro Mode", .Formatter = NameOrStored<kMacroModeNames>},
      {.Tag = 0x001F, .Name = "ShootingMode", .Label = "Shooting Mode", .Formatter = NameOrStored<kShootingModeNames>},
      {.Tag = 0x0020, .Name = "Audio", .Label = "Audio", .Formatter = NameOrStored<kAudioNames>},
      {.Tag = 0x0023, .Name = "WhiteBalanceBias", .Label = "White Balance Bias"},
      {.Tag = 0x0024, .Name = "FlashBias", .Label = "Flash Bias"},
      {.Tag = 0x0025, .Name = "InternalSerialNumber", .Label = "Internal Serial Number", .Formatter = FormatTextBytes},
      {.Tag = 0x0026, .Name = "PanasonicExifVersion", .Label = "Panasonic Exif Version", .Formatter = FormatTextBytes},
      {.Tag = 0x0028, .Name = "ColorEffect", .Label = "Color Effect", .Formatter = NameOrStored<kColorEffectNames>},
      {.Tag = 0x0029, .Name = "TimeSincePowerOn", .Label = "Time Since Power On (1/100 s)"},
      {.Tag = 0x002A, .Name = "BurstMode", .Label = "Burst Mode", .Formatter = NameOrStored<kBurstModeNames>},
      {.Tag = 0x002B, .Name = "SequenceNumber", .Label = "Sequence Number"},
      {.Tag = 0x002C, .Name = "ContrastMode", .Label = "Contrast Mode", .Formatter = NameOrStored<kContrastModeNames>},
      {.Tag = 0x002D, .Name = "NoiseReduction", .Label = "Noise Reduction", .Formatter = NameOrStored<kNoiseReductionNames>},
      {.Tag = 0x002E, .Name = "SelfTimer", .Label = "Self Timer", .Formatter = NameOrStored<kSelfTimerNames>},
      {.Tag = 0x0030, .Name = "Rotation", .Label = "Rotation", .Formatter = NameOrStored<kRotationNames>},
      {.Tag = 0x0032, .Name = "ColorMode", .Label = "Color Mode", .Formatter = NameOrStored<kColorModeNames>},
      {.Tag = 0x0035, .Name = "ConversionLens", .Label = "Conversion Lens", .Formatter = NameOrStored<kConversionLensNames>},
      {.Tag = 0x0040, .Name = "Saturation", .Label = "Saturation", .Formatter = NameOrStored<kLevelNames>},
      {.Tag = 0x0041, .Name = "Sharpness", .Label = "Sharpness", .Formatter = NameOrStored<kLevelNames>},
      {.Tag = 0x0042, .Name = "FilmMode", .Label = "Film Mode", .Formatter = NameOrStored<kFilmModeNames>},
      {.Tag = 0x0051, .Name = "LensType", .Label = "Lens Type"},
      {.Tag = 0x0052, .Name = "LensSerialNumber", .Label = "Lens Serial Number"},
      {.Tag = 0x0053, .Name = "AccessoryType", .Label = "Accessory Type"},
      {.Tag = 0x0089, .Name = "PhotoStyle", .Label = "Photo Style", .Formatter = NameOrStored<kPhotoStyleNames>},
      // clang-format on
  };
  return rows;
}

}  // namespace pixolyn
