// The formats that follow the regional settings, in a program of its own that
// fixes English ones at start-up as the viewer fixes the user's.

#include <gtest/gtest.h>

#include <string>

#include "makernotes/NikonFormatters.h"
#include "metadata/IptcDate.h"
#include "metadata/Regional.h"
#include "table/MetaInfo.h"
#include "tiff/ExifFormatters.h"
#include "tiff/FixedPoint.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {
namespace {

std::string BigEndianLongs(std::initializer_list<uint32_t> values) {
  std::string bytes;
  for (const uint32_t value : values) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift & 0xFF);
  }
  return bytes;
}

TEST(EnglishSettings, NumbersUseTheDecimalPoint) {
  EXPECT_EQ(FormatFixed(38.16, 5, 2), "38.16");
  EXPECT_EQ(FormatTagValue(BigEndianLongs({28, 10}), kTypeRational, "", "F%0.1f", true), "F2.8");
  EXPECT_EQ(FormatNikonLens("24/1, 85/1, 28/10, 45/10"), "24.0-85.0(mm)  F2.8-F4.5");
}

TEST(EnglishSettings, GpsTimeDoesNotDependOnTheDecimalSeparator) {
  EXPECT_EQ(FormatGpsTime("9/1, 5/1, 3/1"), "9:5:3");
}

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
