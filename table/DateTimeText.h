#pragma once
// Date-time values (days since 30 December 1899) as regional texts.

#include <string>

#include "metadata/Regional.h"

namespace pixolyn {

// The short date, then a blank and the long time unless the time is midnight.
std::string DateTimeToText(double value, const RegionalSettings& regional);

}  // namespace pixolyn
