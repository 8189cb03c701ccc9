#pragma once
// Conversion of IPTC date and time texts to a date-time value: days since
// 30 December 1899 00:00, the fraction the time of day; 0 marks a failure;
// and such values as regional texts.

#include <string>

#include "metadata/Regional.h"

namespace pixolyn {

double IptcStrToDateTime(const std::string& dateText, const std::string& timeText);

// The short date, then a blank and the long time unless the time is midnight.
std::string DateTimeToText(double value, const RegionalSettings& regional);

// The IPTC creation date (an eight-digit date text) as DateTimeToText shows it.
std::string CreationDateText(const std::string& text, const RegionalSettings& regional);

}  // namespace pixolyn
