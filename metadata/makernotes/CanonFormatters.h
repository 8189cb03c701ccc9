#pragma once
// Formatters of Canon maker-note arrays (TTagFormatter). Each returns its
// input as the first line, followed by CR LF and "label = value" lines.

#include <string>

namespace pixolyn {

// Camera-settings array (tag 0x0001): 20 setting lines.
std::string FormatCanonCameraSettings(const std::string& text);

// Shot-information array (tag 0x0004): 6 setting lines.
std::string FormatCanonShotInfo(const std::string& text);

// Custom-function array (tag 0x000F): one line per element whose high byte
// names a function from 1 to 15, with the low byte as its setting.
std::string FormatCanonCustomFunctions(const std::string& text);

}  // namespace pixolyn
