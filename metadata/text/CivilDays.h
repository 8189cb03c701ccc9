#pragma once
// Day counts of proleptic Gregorian dates (Howard Hinnant's algorithms),
// shared by the IPTC date conversion and the date texts.

#include <cstdint>

namespace pixolyn {

// Day count of 30 December 1899, where date-time values count from,
// relative to 1 January 1970.
inline constexpr int64_t kDaysFrom1899To1970 = 25569;

// Days of a date relative to 1 January 1970.
int64_t DaysFromCivil(int year, int month, int day);

struct TCivilDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
};
// The date of a day count relative to 1 January 1970.
TCivilDate CivilFromDays(int64_t days);

}  // namespace pixolyn
