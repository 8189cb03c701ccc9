#pragma once
// Formatters of Nikon maker-note rows (TTagFormatter).

#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

// Four fractions 24/1, 85/1, 28/10, 45/10 as the lens text
// "24,0-85,0(mm)  F2,8-F4,5" (regional decimal separator).
std::string FormatNikonLens(const TTypedValue& value, const RegionalSettings& regional);

}  // namespace pixolyn
