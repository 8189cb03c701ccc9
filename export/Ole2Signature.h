#pragma once
// The signature every OLE2 compound file, and so every .xls workbook, starts with.

#include <string>
#include <string_view>

namespace pixolyn {

inline constexpr std::string_view kOle2Signature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8};

// Raises std::runtime_error with the system's text when the file cannot be opened.
bool HasOle2Signature(const std::string& path);

}  // namespace pixolyn
