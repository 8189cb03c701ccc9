#pragma once
// Conversion of IPTC date and time texts to a date-time value: days since
// 30 December 1899 00:00, the fraction the time of day; 0 marks a failure.

#include <string>

namespace pixolyn {

double IptcStrToDateTime(const std::string& dateText, const std::string& timeText);

}  // namespace pixolyn
