#include "metadata/IptcDate.h"

#include <gtest/gtest.h>

#include "metadata/Regional.h"

namespace pixolyn {
namespace {

TEST(DateTimeText, WritesGermanDatesAndTimesOnlyWhenNotMidnight) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0, "30.12.1899"},
      {1, "31.12.1899"},
      {-1.25, "29.12.1899 06:00:00"},  // negative values count days back, the time forward
      {36526, "01.01.2000"},
      {-693593, "01.01.0001"},  // early years keep four digits
      {2958465.999988426, "31.12.9999 23:59:59"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DateTimeToText(c.value, RegionalSettings{}), c.text) << c.value;
}

TEST(DateTimeText, FollowsTheRegionalFormatsGiven) {
  const RegionalSettings english{
      .DecimalSeparator = '.', .ShortDateFormat = "%m/%d/%Y", .LongTimeFormat = "%H:%M"};
  EXPECT_EQ(DateTimeToText(38061.75, english), "03/15/2004 18:00");
  EXPECT_EQ(CreationDateText("20040315", english), "03/15/2004");
}

}  // namespace
}  // namespace pixolyn
