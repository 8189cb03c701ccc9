#include "table/DateTimeText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "metadata/Regional.h"

namespace pixolyn {

namespace {
// Civil date of a day count relative to 1970-01-01 (Howard Hinnant's algorithm).
void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

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

constexpr int64_t kDaysFrom1899To1970 = 25569;
}  // namespace

std::string DateTimeToText(double value) {
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
  int year = 0, month = 0, day = 0;
  CivilFromDays(days - kDaysFrom1899To1970, year, month, day);
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  const int64_t seconds = ofDay / 1000;
  tm.tm_hour = static_cast<int>(seconds / 3600);
  tm.tm_min = static_cast<int>(seconds / 60 % 60);
  tm.tm_sec = static_cast<int>(seconds % 60);
  std::string text = Format(Regional().ShortDateFormat, tm);
  if (ofDay != 0) text += " " + Format(Regional().LongTimeFormat, tm);
  return text;
}

}  // namespace pixolyn
