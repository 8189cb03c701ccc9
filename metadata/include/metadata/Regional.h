#pragma once
// The user's regional settings, fixed once at start-up by each program and
// only read afterwards; a program that fixes none has the German ones.

#include <string>

namespace pixolyn {

struct RegionalSettings {
  char DecimalSeparator = ',';
  // strftime patterns
  std::string ShortDateFormat = "%d.%m.%Y";
  std::string LongTimeFormat = "%H:%M:%S";
};

const RegionalSettings& Regional();
// Fixes the settings for the rest of the program. Only the first call counts,
// so no text changes its format halfway; true when this call fixed them.
bool FixRegional(const RegionalSettings& settings);

// Settings of the user's locale (setlocale(LC_ALL, "") must have run); German
// defaults for whatever the locale leaves open.
RegionalSettings RegionalFromLocale();

}  // namespace pixolyn
