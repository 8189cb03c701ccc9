// The formats that follow the regional settings, in a program of its own that
// fixes English ones at start-up as the viewer fixes the user's.

#include <gtest/gtest.h>

#include <string>

#include "metadata/Regional.h"
#include "table/DateTimeText.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

TEST(EnglishSettings, DatesAndTimesUseTheRegionalFormats) {
  EXPECT_EQ(CreationDateText("20040315"), "03/15/2004");
  EXPECT_EQ(DateTimeToText(38061.75), "03/15/2004 18:00");
}

}  // namespace
}  // namespace pixolyn

int main(int argc, char** argv) {
  pixolyn::FixRegional(
      {.DecimalSeparator = '.', .ShortDateFormat = "%m/%d/%Y", .LongTimeFormat = "%H:%M"});
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
