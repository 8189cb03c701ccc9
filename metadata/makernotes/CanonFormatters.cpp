#include "makernotes/CanonFormatters.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "metadata/TextUtil.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
constexpr std::string_view kLineBreak = "\r\n";

// Names of the setting values.
constexpr TValueName kMacroModeNames[] = {{1, "Macro"}, {2, "Normal"}};
// Canon's own quality codes.
constexpr TValueName kCompressionRateNames[] = {
    {1, "Economy"}, {2, "Normal"}, {3, "Fine"}, {4, "RAW"}, {5, "SuperFine"}};
constexpr TValueName kFlashModeNames[] = {
    {0, "Not fired"}, {1, "Auto"},         {2, "On"},         {3, "Red-eye"},
    {4, "Slow sync"}, {5, "Auto+red-eye"}, {6, "On+red eye"}, {16, "External flash"}};
constexpr TValueName kDriveModeNames[] = {{0, "Single"}, {1, "Continuous"}};
constexpr TValueName kFocusModeNames[] = {{0, "One-Shot"}, {1, "AI Servo"}, {2, "AI Focus"},
                                          {3, "MF"},       {4, "Single"},   {5, "Continuous"},
                                          {6, "MF"}};
constexpr TValueName kImageSizeNames[] = {{0, "Large"},   {1, "Medium"},   {2, "Small"},
                                          {4, "5MPixel"}, {5, "2 MPixel"}, {6, "1.5 MPixel"}};
constexpr TValueName kEasyShootNames[] = {
    {0, "Full Auto"},    {1, "Manual"},          {2, "Landscape"},
    {3, "Fast Shutter"}, {4, "Slow Shutter"},    {5, "Night"},
    {6, "B&W"},          {7, "Sepia"},           {8, "Portrait"},
    {9, "Sports"},       {10, "Macro/Close-Up"}, {11, "Pan Focus"}};
constexpr TValueName kContrastNames[] = {{65535, "Low"}, {0, "Normal"}, {1, "High"}};
constexpr TValueName kCCDISONames[] = {{0, "Not usednicht verwendet"},
                                       {15, "auto"},
                                       {16, "50"},
                                       {17, "100"},
                                       {18, "200"},
                                       {19, "400"}};
constexpr TValueName kMeteringModeNames[] = {
    {3, "Evaluative"}, {4, "Partial"}, {5, "Center-weighted"}};
constexpr TValueName kAFPointNames[] = {{12288, "None (MF)"},
                                        {12289, "Auto-selected"},
                                        {12290, "Right"},
                                        {12291, "Center"},
                                        {12292, "Left"}};
constexpr TValueName kExposureModeNames[] = {{0, "Easy shooting"}, {1, "Program"},
                                             {2, "Tv-priority"},   {3, "Av-priority"},
                                             {4, "Manual"},        {5, "A-DEP"}};
constexpr TValueName kWhiteBalanceNames[] = {{0, "Auto"},     {1, "Sunny"},       {2, "Cloudy"},
                                             {3, "Tungsten"}, {4, "Flourescent"}, {5, "Flash"},
                                             {6, "Custom"}};
constexpr TValueName kFlashBiasNames[] = {
    {65472, "-2 EV"}, {65484, "-1.67 EV"}, {65488, "-1.50 EV"}, {65492, "-1.33 EV"},
    {65504, "-1 EV"}, {65516, "-0.67 EV"}, {65520, "-0.50 EV"}, {65524, "-0.33 EV"},
    {0, "0 EV"},      {12, "0.33 EV"},     {16, "0.50 EV"},     {20, "0.67 EV"},
    {32, "1 EV"},     {44, "1.33 EV"},     {48, "1.50 EV"},     {52, "1.67 EV"},
    {64, "2 EV"}};
constexpr TValueName kNoiseReductionNames[] = {{0, " Off"}, {1, " On"}};
constexpr TValueName kShutterAELockButtonNames[] = {
    {0, "AF/AE lock"}, {1, "AE lock/AF"}, {2, "AF/AF lock"}, {3, "AE+release/AE+AF"}};
constexpr TValueName kMirrorLockupNames[] = {{0, "Disable"}, {1, "Enable"}};
constexpr TValueName kExposureLevelNames[] = {{0, "1/2 stop"}, {1, "1/3 stop"}};
constexpr TValueName kAFAssistNames[] = {{0, "On (auto)"}, {1, "Off"}};
constexpr TValueName kAVShutterSpeedNames[] = {{0, "Automatic"}, {1, " 1/200 (fixed)"}};
// Settings 0, 2 and 3 show the first words of their sequences; 1 shows none.
constexpr TValueName kAEBSequenceNames[] = {{0, "0"}, {2, " -"}, {3, " -"}};
constexpr TValueName kShutterSyncNames[] = {{0, "1st-curtain sync"}, {1, " 2nd-curtain sync"}};
constexpr TValueName kLensAFButtonNames[] = {
    {0, "AF stop"}, {1, "Operate AF"}, {2, "Lock AE and start timer"}};
constexpr TValueName kFillFlashReductionNames[] = {{0, "Enable"}, {1, "Disable"}};
constexpr TValueName kMenuReturnNames[] = {{0, "Top"}, {1, "Previous (volatile)"}, {2, "Previous"}};
constexpr TValueName kSetButtonNames[] = {
    {0, "Not assigned"}, {1, "Change quality"}, {2, "Change ISO speed"}, {3, "Select parameters"}};
constexpr TValueName kSuperimposedDisplayNames[] = {{0, " On"}, {1, " Off"}};

// One line of an array record: the element's value through the map, or the
// element's field as it stands when there is no map.
struct TArraySetting {
  const char* Label;
  int Element;
  TValueNames ValueMap;       // none: the element as shown
  bool ShowsUnnamed = false;  // a code the map lacks shows as stored, not as nothing
};

// clang-format off
constexpr TArraySetting kCameraSettings[] = {
    {"Macro mode", 1, kMacroModeNames},
    {"Self Timer", 2, {}},
    {"Compression Rate", 3, kCompressionRateNames, true},
    {"Flash Mode", 4, kFlashModeNames},
    {"Drive Mode", 5, kDriveModeNames},
    {"Focus Mode", 7, kFocusModeNames},
    {"Image Size", 10, kImageSizeNames},
    {"Easy Shoot", 11, kEasyShootNames},
    {"Contrast", 13, kContrastNames},
    {"Saturation", 14, kContrastNames},
    {"Sharpness", 15, kContrastNames},
    {"CCD ISO", 16, kCCDISONames},
    {"Metering Mode", 17, kMeteringModeNames},
    {"AF Point", 19, kAFPointNames},
    {"Exposure Mode", 20, kExposureModeNames},
    {"Long focal", 23, {}},
    {"Short focal", 24, {}},
    {"Focal Units", 25, {}},
    {"Flash Details", 28, {}},
    {"Focus Mode", 32, kDriveModeNames},
};

constexpr TArraySetting kShotInfo[] = {
    {"White balance", 7, kWhiteBalanceNames},
    {"Sequence Number", 8, {}},
    {"OpticalZoom Step", 10, {}},
    {"AF point", 13, {}},
    {"Flash bias", 15, kFlashBiasNames},
    {"Distance", 18, {}},
};

// clang-format on

// A custom function's setting names.
struct TCustomFunction {
  const char* Label;
  TValueNames ValueMap;
};

// Custom functions 1 to 15, at index function - 1.
// clang-format off
constexpr std::array<TCustomFunction, 15> kCustomFunctions = {{
    {"Noise Reduction", kNoiseReductionNames},
    {"Shutter AE Lock Button", kShutterAELockButtonNames},
    {"Mirror Lockup", kMirrorLockupNames},
    {"Exposure Level", kExposureLevelNames},
    {"AF Assist", kAFAssistNames},
    {"AV Shutter Speed", kAVShutterSpeedNames},
    {"AEB Sequence", kAEBSequenceNames},
    {"Shutter Sync", kShutterSyncNames},
    {"Lens AF Button", kLensAFButtonNames},
    {"Fill Flash Reduction", kFillFlashReductionNames},
    {"Menu Return", kMenuReturnNames},
    {"Set Button", kSetButtonNames},
    {"Sensor Cleaning", kMirrorLockupNames},
    {"Superimposed Display", kSuperimposedDisplayNames},
    {"Shutter Release w/o CF Card", kFillFlashReductionNames},
}};
// clang-format on

bool IsText(const TTypedValue& value) {
  return value.Type == kTypeAscii || value.Type == kTypeUndefined;
}

// Field k (from 0) of a value stored as text, split at its commas; the
// fields of such an array are what its shown text holds between them.
std::string_view TextField(std::string_view text, int k) {
  for (int i = 0; i < k; ++i) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) return {};
    text.remove_prefix(comma + 1);
  }
  return text.substr(0, text.find(','));
}

// The number a field of text spells in the way a value map writes its keys.
std::optional<int64_t> KeyOfField(std::string_view field) {
  field = TrimControlAndBlank(field);
  const bool negative = field.starts_with('-');
  const std::string_view digits = field.substr(negative ? 1 : 0);
  if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits[0] == '0')) return {};
  if (negative && digits == "0") return {};
  int64_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return {};
    number = number * 10 + (c - '0');
  }
  return negative ? -number : number;
}

// Element k of the array through the setting's value map, or as it is shown
// (after its separator's blank) when the setting has none.
void AppendSetting(std::string& out, const TTypedValue& value, const TArraySetting& setting) {
  const auto k = static_cast<std::size_t>(setting.Element);
  const auto appendName = [&out, &setting](int64_t key, auto appendStored) {
    const std::string_view name = NameOfValue(setting.ValueMap, key);
    if (name.empty() && setting.ShowsUnnamed) {
      appendStored();
    } else {
      out += name;
    }
  };
  if (IsText(value)) {
    const std::string_view field = TextField(value.Text, setting.Element);
    if (setting.ValueMap.empty()) {
      out += field;
    } else if (const auto key = KeyOfField(field)) {
      appendName(*key, [&out, field] { out += TrimControlAndBlank(field); });
    }
    return;
  }
  if (k >= ComponentCount(value)) return;
  if (setting.ValueMap.empty()) {
    if (k > 0) out += ' ';
    AppendComponentText(out, value, k, {});
  } else if (IsIntegerType(value.Type)) {
    appendName(IntegerComponent(value, k),
               [&out, &value, k] { AppendComponentText(out, value, k, {}); });
  }
}

std::string FormatArrayRecord(const TTypedValue& value, std::span<const TArraySetting> settings) {
  std::string out(value.Text);
  for (const TArraySetting& setting : settings) {
    out += kLineBreak;
    out += setting.Label;
    out += " = ";
    AppendSetting(out, value, setting);
  }
  return out;
}

// The elements as whole numbers of 32 bits, as the custom functions read them.
template <typename Sink>
void ForEachWholeNumber(const TTypedValue& value, Sink&& sink) {
  if (IsText(value)) {
    // One pass over the fields: the array may be long.
    std::string_view rest = value.Text;
    for (bool more = true; more;) {
      const auto comma = rest.find(',');
      const std::string_view field = rest.substr(0, comma);
      more = comma != std::string_view::npos;
      if (more) rest.remove_prefix(comma + 1);
      if (const auto number = TextToInt(field)) sink(*number);
    }
    return;
  }
  if (!IsIntegerType(value.Type)) return;
  const std::size_t count = ComponentCount(value);
  for (std::size_t i = 0; i < count; ++i) {
    const int64_t number = IntegerComponent(value, i);
    if (number >= INT32_MIN && number <= INT32_MAX) sink(static_cast<int32_t>(number));
  }
}
}  // namespace

std::string FormatCanonCameraSettings(const TTypedValue& value, const RegionalSettings&) {
  return FormatArrayRecord(value, kCameraSettings);
}

std::string FormatCanonShotInfo(const TTypedValue& value, const RegionalSettings&) {
  return FormatArrayRecord(value, kShotInfo);
}

std::string FormatCanonCustomFunctions(const TTypedValue& value, const RegionalSettings&) {
  std::string out(value.Text);
  ForEachWholeNumber(value, [&out](int32_t number) {
    const int function = number / 256;  // truncates toward zero
    const int setting = number % 256;   // keeps the sign of the value
    if (function < 1 || function > static_cast<int>(kCustomFunctions.size())) return;
    const TCustomFunction& entry = kCustomFunctions[static_cast<std::size_t>(function - 1)];
    out += kLineBreak;
    out += entry.Label;
    out += " = ";
    out += NameOfValue(entry.ValueMap, setting);
  });
  return out;
}

}  // namespace pixolyn
