#pragma once
// The user's regional settings: the number and date formats the texts are
// written in. A program reads them once from the locale and hands them to the
// records it builds; the default ones are the German ones.

#include <string>

namespace pixolyn {

struct RegionalSettings {
  char DecimalSeparator = ',';
  // strftime patterns
  std::string ShortDateFormat = "%d.%m.%Y";
  std::string LongTimeFormat = "%H:%M:%S";
};

// Settings of the user's locale (setlocale(LC_ALL, "") must have run); German
// defaults for whatever the locale leaves open.
RegionalSettings RegionalFromLocale();

}  // namespace pixolyn
