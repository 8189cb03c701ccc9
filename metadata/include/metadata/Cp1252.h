#pragma once
// Conversion of engine texts (Windows-1252) to and from UTF-8, for the edges
// of the system only: widgets, clipboard, workbook, terminal.

#include <string>
#include <string_view>

namespace pixolyn {

std::string Cp1252ToUtf8(std::string_view text);

// Characters with no Windows-1252 form become "?".
std::string Utf8ToCp1252(std::string_view text);

}  // namespace pixolyn
