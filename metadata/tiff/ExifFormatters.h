#pragma once
// Formatters of single EXIF and GPS tags (TTagFormatter): value text in,
// shown text out.

#include <string>

namespace pixolyn {

// Quoted UNDEFINED text of "ComponentsConfiguration": the first four bytes as
// channel names, e.g. "YCbCr" or "RGB".
std::string FormatComponents(const std::string& text);

// Flash bits as words, e.g. "On, auto mode, red-eye reduction".
// A text that is not a whole number (e.g. "1, 0") is returned as it is.
std::string FormatFlash(const std::string& text);

// "d/d, m/m, s/s" as "48 Degrees 8 Minutes 23 Seconds"; unreadable parts count as 0.
std::string FormatGpsPosition(const std::string& text);

// "h/h, m/m, s/s" as "14:5:3"; unreadable parts count as 0.
std::string FormatGpsTime(const std::string& text);

}  // namespace pixolyn
