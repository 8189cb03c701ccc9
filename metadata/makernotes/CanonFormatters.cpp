#include "makernotes/CanonFormatters.h"

#include <array>
#include <span>
#include <string_view>

#include "makernotes/MakerNoteText.h"
#include "metadata/TextUtil.h"

namespace pixolyn {

namespace {
constexpr std::string_view kLineBreak = "\r\n";

// One line of an array record: the element's value through the map, or the
// element's field as it stands when there is no map.
struct TArraySetting {
  const char* Label;
  int Element;
  const char* ValueMap;  // nullptr: the raw field
};

// clang-format off
constexpr TArraySetting kCameraSettings[] = {
    {"Macro mode", 1, "1:Macro,2:Normal"},
    {"Self Timer", 1, nullptr},
    {"Compression Rate", 3, "0:SuperFine,1:Fine,2:Normal,3:Basic,5:SuperFine"},
    {"Flash Mode", 4, "0:Not fired,1:Auto,2:On,3:Red-eye,4:Slow sync,5:Auto+red-eye,6:On+red eye,16:External flash"},
    {"Drive Mode", 5, "0:Single,1:Continuous"},
    {"Focus Mode", 7, "0:One-Shot,1:AI Servo,2:AI Focus,3:MF,4:Single,5:Continuous,6:MF"},
    {"Image Size", 10, "0:Large,1:Medium,2:Small,4:5MPixel,5:2 MPixel,6:1.5 MPixel"},
    {"Easy Shoot", 11, "0:Full Auto,1:Manual,2:Landscape,3:Fast Shutter,4:Slow Shutter,5:Night,6:B&W,7:Sepia,8:Portrait,9:Sports,10:Macro/Close-Up,11:Pan Focus"},
    {"Contrast", 13, "65535:Low,0:Normal,1:High"},
    {"Saturation", 14, "65535:Low,0:Normal,1:High"},
    {"Sharpness", 15, "65535:Low,0:Normal,1:High"},
    {"CCD ISO", 16, "0:Not usednicht verwendet,15:auto,16:50,17:100,18:200,19:400"},
    {"Metering Mode", 17, "3:Evaluative,4:Partial,5:Center-weighted"},
    {"AF Point", 19, "12288:None (MF),12289:Auto-selected,12290:Right,12291:Center,12292:Left"},
    {"Exposure Mode", 20, "0:Easy shooting,1:Program,2:Tv-priority,3:Av-priority,4:Manual,5:A-DEP"},
    {"Long focal", 23, nullptr},
    {"Short focal", 24, nullptr},
    {"Focal Units", 25, nullptr},
    {"Flash Details", 28, nullptr},
    {"Focus Mode", 32, "0:Single,1:Continuous"},
};

constexpr TArraySetting kShotInfo[] = {
    {"White balance", 7, "0:Auto,1:Sunny,2:Cloudy,3:Tungsten,4:Flourescent,5:Flash,6:Custom"},
    {"Sequence Number", 8, nullptr},
    {"OpticalZoom Step", 10, nullptr},
    {"AF point", 13, nullptr},
    {"Flash bias", 15, "65472:-2 EV,65484:-1.67 EV,65488:-1.50 EV,65492:-1.33 EV,65504:-1 EV,65516:-0.67 EV,65520:-0.50 EV,65524:-0.33 EV,0:0 EV,12:0.33 EV,16:0.50 EV,20:0.67 EV,32:1 EV,44:1.33 EV,48:1.50 EV,52:1.67 EV,64:2 EV"},
    {"Distance", 18, nullptr},
};

// clang-format on

// A custom function's setting names.
struct TCustomFunction {
  const char* Label;
  const char* ValueMap;
};

// Custom functions 1 to 15, at index function - 1.
// clang-format off
constexpr std::array<TCustomFunction, 15> kCustomFunctions = {{
    {"Noise Reduction", "0: Off,1: On"},
    {"Shutter AE Lock Button", "0:AF/AE lock,1:AE lock/AF,2:AF/AF lock,3:AE+release/AE+AF"},
    {"Mirror Lockup", "0:Disable,1:Enable"},
    {"Exposure Level", "0:1/2 stop,1:1/3 stop"},
    {"AF Assist", "0:On (auto),1:Off"},
    {"AV Shutter Speed", "0:Automatic,1: 1/200 (fixed)"},
    {"AEB Sequence", "0:0, -, + / Enabled1: 0, -, + / Disabled,2: -, 0, + / Enabled,3: -, 0, + / Disabled"},
    {"Shutter Sync", "0:1st-curtain sync,1: 2nd-curtain sync"},
    {"Lens AF Button", "0:AF stop,1:Operate AF,2:Lock AE and start timer"},
    {"Fill Flash Reduction", "0:Enable,1:Disable"},
    {"Menu Return", "0:Top,1:Previous (volatile),2:Previous"},
    {"Set Button", "0:Not assigned,1:Change quality,2:Change ISO speed,3:Select parameters"},
    {"Sensor Cleaning", "0:Disable,1:Enable"},
    {"Superimposed Display", "0: On,1: Off"},
    {"Shutter Release w/o CF Card", "0:Enable,1:Disable"},
}};
// clang-format on

std::string FormatArrayRecord(const std::string& text, std::span<const TArraySetting> settings) {
  std::string out = text;
  for (const TArraySetting& setting : settings) {
    out += kLineBreak;
    out += setting.Label;
    out += " = ";
    out += setting.ValueMap ? MappedElement(text, setting.Element, setting.ValueMap)
                            : FieldOf(text, ",", setting.Element + 1);
  }
  return out;
}
}  // namespace

std::string FormatCanonCameraSettings(const std::string& text) {
  return FormatArrayRecord(text, kCameraSettings);
}

std::string FormatCanonShotInfo(const std::string& text) {
  return FormatArrayRecord(text, kShotInfo);
}

std::string FormatCanonCustomFunctions(const std::string& text) {
  std::string out = text;
  // One pass over the fields: the array may be long.
  std::string_view rest = text;
  for (bool more = true; more;) {
    const auto comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    more = comma != std::string_view::npos;
    if (more) rest.remove_prefix(comma + 1);

    const auto value = TextToInt(field);
    if (!value) continue;
    const int function = *value / 256;  // truncates toward zero
    const int setting = *value % 256;   // keeps the sign of the value
    if (function < 1 || function > static_cast<int>(kCustomFunctions.size())) continue;
    const TCustomFunction& entry = kCustomFunctions[static_cast<std::size_t>(function - 1)];
    out += kLineBreak;
    out += SettingLine(entry.Label, setting, entry.ValueMap);
  }
  return out;
}

}  // namespace pixolyn
