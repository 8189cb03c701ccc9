#include "metadata/IptcDate.h"

#include <cstdint>
#include <optional>

#include "metadata/TextUtil.h"
#include "text/CivilDays.h"
#include "tiff/ByteView.h"

namespace pixolyn {

namespace {
constexpr double kSecondsPerDay = 86400.0;

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// A field at fixed character positions; one running past the end keeps what is there.
std::optional<int32_t> Field(const std::string& text, int64_t start, int64_t length) {
  return TextToInt(CopyClamped(text, start, length));
}

bool InRange(const std::optional<int32_t>& value, int low, int high) {
  return value && *value >= low && *value <= high;
}
}  // namespace

double IptcStrToDateTime(const std::string& dateText, const std::string& timeText) {
  // Empty texts stand for fixed defaults; a text of blanks is not empty.
  const std::string text =
      (dateText.empty() ? "20020531" : dateText) + (timeText.empty() ? "000000" : timeText);
  const auto year = Field(text, 0, 4);
  const auto month = Field(text, 4, 2);
  const auto day = Field(text, 6, 2);
  const auto hour = Field(text, 8, 2);
  const auto minute = Field(text, 10, 2);
  const auto second = Field(text, 12, 2);
  if (!InRange(year, 1, 9999) || !InRange(month, 1, 12) ||
      !InRange(day, 1, DaysInMonth(*year, *month))) {
    return 0;
  }
  if (!InRange(hour, 0, 23) || !InRange(minute, 0, 59) || !InRange(second, 0, 59)) return 0;
  const int64_t days = DaysFromCivil(*year, *month, *day) + kDaysFrom1899To1970;
  const int32_t seconds = *hour * 3600 + *minute * 60 + *second;
  return static_cast<double>(days) + seconds / kSecondsPerDay;
}

}  // namespace pixolyn
