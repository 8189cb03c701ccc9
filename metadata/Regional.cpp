#include "metadata/Regional.h"

#include <langinfo.h>

#include <cstring>

namespace pixolyn {

namespace {
RegionalSettings& Current() {
  static RegionalSettings settings;
  return settings;
}
}  // namespace

const RegionalSettings& Regional() {
  return Current();
}

void SetRegional(const RegionalSettings& settings) {
  Current() = settings;
}

RegionalSettings RegionalFromLocale() {
  RegionalSettings settings;
  if (const char* radix = nl_langinfo(RADIXCHAR); radix && std::strlen(radix) == 1) {
    settings.DecimalSeparator = radix[0];
  }
  // The C locale answers US formats that no user chose; keep the defaults then.
  const char* codeset = nl_langinfo(CODESET);
  const bool plainC = codeset && std::strcmp(codeset, "ANSI_X3.4-1968") == 0;
  if (plainC) return RegionalSettings{};
  if (const char* date = nl_langinfo(D_FMT); date && *date) settings.ShortDateFormat = date;
  if (const char* time = nl_langinfo(T_FMT); time && *time) settings.LongTimeFormat = time;
  return settings;
}

}  // namespace pixolyn
