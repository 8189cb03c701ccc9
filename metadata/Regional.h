#pragma once
// The user's regional settings, read once at start-up by each program and
// only read afterwards. Tests set them explicitly.

#include <string>

namespace pixolyn {

struct RegionalSettings {
  char DecimalSeparator = ',';
  // strftime patterns
  std::string ShortDateFormat = "%d.%m.%Y";
  std::string LongTimeFormat = "%H:%M:%S";
};

const RegionalSettings& Regional();
void SetRegional(const RegionalSettings& settings);

// Settings of the user's locale (setlocale(LC_ALL, "") must have run); German
// defaults for whatever the locale leaves open.
RegionalSettings RegionalFromLocale();

}  // namespace pixolyn
