#include "metadata/Regional.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <string_view>

namespace pixolyn {

namespace {
// The C and POSIX locales (C.UTF-8 included) are what a system runs with when
// nobody chose a locale; their US formats are no user's choice.
bool IsUnchosenLocale(const char* name) {
  if (!name) return true;
  const std::string_view locale(name);
  return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}
}  // namespace

RegionalSettings RegionalFromLocale() {
  RegionalSettings settings;
  if (IsUnchosenLocale(std::setlocale(LC_NUMERIC, nullptr))) return settings;
  if (const char* radix = nl_langinfo(RADIXCHAR); radix && std::strlen(radix) == 1) {
    settings.DecimalSeparator = radix[0];
  }
  if (IsUnchosenLocale(std::setlocale(LC_TIME, nullptr))) return settings;
  if (const char* date = nl_langinfo(D_FMT); date && *date) settings.ShortDateFormat = date;
  if (const char* time = nl_langinfo(T_FMT); time && *time) settings.LongTimeFormat = time;
  return settings;
}

}  // namespace pixolyn
