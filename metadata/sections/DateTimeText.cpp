#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "metadata/CivilDays.h"
#include "metadata/IptcDate.h"
#include "metadata/Regional.h"

namespace pixolyn {

namespace {
std::string Format(std::string pattern, const std::tm& tm) {
  // strftime leaves years below 1000 unpadded; a four-digit year is what users read.
  char year[16];
  std::snprintf(year, sizeof year, "%04d", tm.tm_year + 1900);
  for (auto pos = pattern.find("%Y"); pos != std::string::npos; pos = pattern.find("%Y", pos + 4)) {
    pattern.replace(pos, 2, year);
  }
  char buffer[128];
  const std::size_t n = std::strftime(buffer, sizeof buffer, pattern.c_str(), &tm);
  return std::string(buffer, n);
}
}  // namespace

std::string DateTimeToText(double value, const RegionalSettings& regional) {
  if (!std::isfinite(value) || std::fabs(value) > 3.0e6) value = 0;
  // Milliseconds, so that a time a hair below a full second is not cut.
  int64_t millis = std::llround(value * 86400000.0);
  int64_t days = millis / 86400000;
  int64_t ofDay = millis % 86400000;
  if (ofDay < 0) {
    // Negative values count the day backwards and the time forwards.
    ofDay = -ofDay;
  }
  std::tm tm{};
  const TCivilDate date = CivilFromDays(days - kDaysFrom1899To1970);
  tm.tm_year = date.Year - 1900;
  tm.tm_mon = date.Month - 1;
  tm.tm_mday = date.Day;
  const int64_t seconds = ofDay / 1000;
  tm.tm_hour = static_cast<int>(seconds / 3600);
  tm.tm_min = static_cast<int>(seconds / 60 % 60);
  tm.tm_sec = static_cast<int>(seconds % 60);
  std::string text = Format(regional.ShortDateFormat, tm);
  if (ofDay != 0) text += " " + Format(regional.LongTimeFormat, tm);
  return text;
}

std::string CreationDateText(const std::string& text, const RegionalSettings& regional) {
  return DateTimeToText(IptcStrToDateTime(text, ""), regional);
}

}  // namespace pixolyn
