#include "tiff/ExifFormatters.h"

#include <gtest/gtest.h>

#include "metadata/Regional.h"
#include "metadata/TagEntry.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {
namespace {

// Three RATIONALs in Motorola order, as the GPS directory stores them.
std::string ThreeFractions(uint32_t n1, uint32_t d1, uint32_t n2, uint32_t d2, uint32_t n3,
                           uint32_t d3) {
  std::string raw;
  for (const uint32_t v : {n1, d1, n2, d2, n3, d3}) {
    for (int shift = 24; shift >= 0; shift -= 8) raw += static_cast<char>((v >> shift) & 0xFF);
  }
  return raw;
}

std::string GpsText(uint32_t n1, uint32_t d1, uint32_t n2, uint32_t d2, uint32_t n3, uint32_t d3) {
  return FormatTagValue(ThreeFractions(n1, d1, n2, d2, n3, d3), kTypeRational, "", "", true);
}

TEST(FormatComponents, NamesTheFirstFourBytesOfTheQuotedValue) {
  struct Case {
    std::string text;
    const char* expected;
  } cases[] = {
      {"\"\x01\x02\x03\"", "YCbCr"},
      {"\"\x04\x05\x06\"", "RGB"},
      {"\"\x01\x02\x03\x04\x05\"", "YCbCrR"},
      {std::string("\"\x06\x07\x00\x01\"", 6), "BY"},
      {"\"\x01", "Y"},
      {"\"\"", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatComponents(c.text), c.expected) << c.expected;
}

TEST(FormatFlash, WritesTheBitGroupsInOrder) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"0", "Off"},
      {"1", "On"},
      {"2", "Off, UNKNOWN"},
      {"7", "On, strobe return"},
      {"5", "On, no strobe return"},
      {"8", "Off, forced"},
      {"16", "Off, surpressed"},
      {"25", "On, auto mode"},
      {"32", "Off, no flash function"},
      {"89", "On, auto mode, red-eye reduction"},
      {"95", "On, strobe return, auto mode, red-eye reduction"},
      {"128", "Off"},
      {" 65", "On, red-eye reduction"},
      {"-1", "On, strobe return, auto mode, no flash function, red-eye reduction"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFlash(c.text), c.expected) << c.text;
}

TEST(FormatFlash, ShowsValuesThatAreNoWholeNumberAsTheyStand) {
  for (const char* text : {"1, 0", "1/1", "", "25 ", "On"}) {
    EXPECT_EQ(FormatFlash(text), text) << text;
  }
}

TEST(FormatGpsPosition, WritesDegreesMinutesAndSeconds) {
  struct Case {
    std::string text;
    const char* expected;
  } cases[] = {
      {GpsText(48, 1, 8, 1, 2313, 100), "48 Degrees 8 Minutes 23 Seconds"},
      {GpsText(48, 1, 815, 100, 0, 1), "48 Degrees 8 Minutes 9 Seconds"},
      {GpsText(481234, 10000, 0, 1, 0, 1), "48 Degrees 0 Minutes 0 Seconds"},
      {GpsText(11, 1, 30, 1, 2950, 100), "11 Degrees 30 Minutes 30 Seconds"},
      {GpsText(11, 1, 305, 10, 0, 0), "11 Degrees 30 Minutes 30 Seconds"},
      {"48/1", "0 Degrees 0 Minutes 48 Seconds"},
      {"48/1, 8/1", "48 Degrees 0 Minutes 8 Seconds"},
      {"garbage", "0 Degrees 0 Minutes 0 Seconds"},
      {"", "0 Degrees 0 Minutes 0 Seconds"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatGpsPosition(c.text), c.expected) << c.text;
}

TEST(FormatGpsTime, WritesHoursMinutesSecondsWithoutLeadingZeros) {
  struct Case {
    std::string text;
    const char* expected;
  } cases[] = {
      {GpsText(14, 1, 5, 1, 3, 1), "14:5:3"},
      {GpsText(9, 1, 5, 1, 0, 1), "9:5:0"},
      {GpsText(9, 1, 5, 1, 2950, 100), "9:5:30"},
      {GpsText(9, 1, 815, 100, 0, 1), "9:8:0"},
      {"", "0:0:0"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatGpsTime(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace pixolyn
