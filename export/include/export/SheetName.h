#pragma once
// The rules the spreadsheet server applies to sheet names (Windows-1252 text).

#include <string>
#include <string_view>

namespace pixolyn {

// Why the server would refuse name as a new sheet's name; empty when it accepts it.
std::string SheetNameRefusal(std::string_view name);

// The server tells sheets apart without regard to letter case.
bool SameSheetName(std::string_view a, std::string_view b);

}  // namespace pixolyn
