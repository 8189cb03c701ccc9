#pragma once
// Formatters of Canon maker-note arrays (TTagFormatter). Each returns the
// array as shown plainly as the first line, followed by CR LF and
// "label = value" lines.

#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

// Camera-settings array (tag 0x0001): 20 setting lines.
std::string FormatCanonCameraSettings(const TTypedValue& value, const RegionalSettings& regional);

// Shot-information array (tag 0x0004): 6 setting lines.
std::string FormatCanonShotInfo(const TTypedValue& value, const RegionalSettings& regional);

// Custom-function array (tag 0x000F): one line per element whose high byte
// names a function from 1 to 15, with the low byte as its setting.
std::string FormatCanonCustomFunctions(const TTypedValue& value, const RegionalSettings& regional);

}  // namespace pixolyn
