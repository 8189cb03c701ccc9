#pragma once
// Formatters of Nikon maker-note rows (TTagFormatter).

#include <string>

namespace pixolyn {

// Four rationals "24/1, 85/1, 28/10, 45/10" as the lens text
// "24,0-85,0(mm)  F2,8-F4,5" (regional decimal separator); unreadable parts count as 0.
std::string FormatNikonLens(const std::string& text);

}  // namespace pixolyn
