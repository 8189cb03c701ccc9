#include "tiff/ExifFormatters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/TypedValues.h"

namespace pixolyn {
namespace {

using test::TTestValue;

const RegionalSettings kGerman;

struct Case {
  TTestValue value;
  const char* expected;
};

TTestValue Undefined(std::string bytes) {
  return TTestValue::Text(kTypeUndefined, bytes, "\"" + bytes.substr(0, bytes.find('\0')) + "\"");
}

TTestValue Gps(const std::vector<std::pair<int64_t, int64_t>>& parts) {
  return TTestValue::Fractions(kTypeRational, parts);
}

TEST(FormatComponents, NamesTheFirstFourBytes) {
  const std::vector<Case> cases = {
      {Undefined("\x01\x02\x03"), "YCbCr"},
      {Undefined("\x04\x05\x06"), "RGB"},
      {Undefined("\x01\x02\x03\x04\x05"), "YCbCrR"},
      {Undefined(std::string("\x06\x07\x00\x01", 4)), "B"},  // the bytes end at the zero
      {Undefined(""), ""},
      // A text is read from its second character on.
      {TTestValue::Text(kTypeAscii, "\x01\x02\x03", "\x01\x02\x03"), "CbCr"},
      {TTestValue::Integers(kTypeByte, {1, 2, 3}), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatComponents(c.value.View(), kGerman), c.expected);
}

TEST(FormatFlash, WritesTheBitGroupsInOrder) {
  struct FlashCase {
    int64_t bits;
    const char* expected;
  } cases[] = {
      {0, "Off"},
      {1, "On"},
      {2, "Off, UNKNOWN"},
      {7, "On, strobe return"},
      {5, "On, no strobe return"},
      {8, "Off, forced"},
      {16, "Off, surpressed"},
      {25, "On, auto mode"},
      {32, "Off, no flash function"},
      {89, "On, auto mode, red-eye reduction"},
      {95, "On, strobe return, auto mode, red-eye reduction"},
      {128, "Off"},
      {-1, "On, strobe return, auto mode, no flash function, red-eye reduction"},
  };
  for (const FlashCase& c : cases) {
    const TTestValue value = TTestValue::Integers(kTypeSShort, {c.bits});
    EXPECT_EQ(FormatFlash(value.View(), kGerman), c.expected) << c.bits;
  }
  const TTestValue text = TTestValue::Text(kTypeAscii, " 65", " 65");
  EXPECT_EQ(FormatFlash(text.View(), kGerman), "On, red-eye reduction");
}

TEST(FormatFlash, ShowsValuesThatAreNoWholeNumberAsTheyStand) {
  const std::vector<TTestValue> values = {
      TTestValue::Integers(kTypeShort, {1, 0}),      TTestValue::Integers(kTypeShort, {}),
      TTestValue::Integers(kTypeLong, {4294967295}), TTestValue::Fractions(kTypeRational, {{1, 1}}),
      TTestValue::Text(kTypeAscii, "On", "On"),
  };
  for (const TTestValue& value : values) {
    EXPECT_EQ(FormatFlash(value.View(), kGerman), value.Shown());
  }
}

TEST(FormatGpsPosition, WritesDegreesMinutesAndSeconds) {
  const std::vector<Case> cases = {
      {Gps({{48, 1}, {8, 1}, {2313, 100}}), "48 Degrees 8 Minutes 23 Seconds"},
      {Gps({{48, 1}, {815, 100}, {0, 1}}), "48 Degrees 8 Minutes 9 Seconds"},
      {Gps({{481234, 10000}, {0, 1}, {0, 1}}), "48 Degrees 0 Minutes 0 Seconds"},
      {Gps({{11, 1}, {30, 1}, {2950, 100}}), "11 Degrees 30 Minutes 30 Seconds"},
      {Gps({{11, 1}, {305, 10}, {0, 0}}), "11 Degrees 30 Minutes 30 Seconds"},
      // One fraction is the seconds, two are degrees and seconds, a fourth spoils the third.
      {Gps({{48, 1}}), "0 Degrees 0 Minutes 48 Seconds"},
      {Gps({{48, 1}, {8, 1}}), "48 Degrees 0 Minutes 8 Seconds"},
      {Gps({{48, 1}, {8, 1}, {30, 1}, {1, 1}}), "48 Degrees 8 Minutes 0 Seconds"},
      {Gps({{4294967295, 1}, {8, 1}, {30, 1}}), "0 Degrees 8 Minutes 30 Seconds"},
      {TTestValue::Integers(kTypeShort, {48, 8, 30}), "0 Degrees 0 Minutes 0 Seconds"},
      {TTestValue::Text(kTypeAscii, "", "48/1, 8/1, 30/1"), "48 Degrees 8 Minutes 30 Seconds"},
      {TTestValue::Text(kTypeAscii, "", "garbage"), "0 Degrees 0 Minutes 0 Seconds"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatGpsPosition(c.value.View(), kGerman), c.expected) << c.value.Shown();
  }
}

TEST(FormatGpsTime, WritesHoursMinutesSecondsWithoutLeadingZeros) {
  const std::vector<Case> cases = {
      {Gps({{14, 1}, {5, 1}, {3, 1}}), "14:5:3"},
      {Gps({{9, 1}, {5, 1}, {0, 1}}), "9:5:0"},
      {Gps({{9, 1}, {5, 1}, {2950, 100}}), "9:5:30"},
      {Gps({{9, 1}, {815, 100}, {0, 1}}), "9:8:0"},
      {Gps({}), "0:0:0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatGpsTime(c.value.View(), kGerman), c.expected) << c.value.Shown();
  }
}

TEST(FormatApex, ShowsTheTimeAndTheFNumberTheValuesStandFor) {
  using Formatter = std::string (*)(const TTypedValue&, const RegionalSettings&);
  const struct {
    Formatter format;
    TTestValue value;
    const char* expected;
  } cases[] = {
      {FormatShutterSpeed, TTestValue::Fractions(kTypeSRational, {{7375, 1000}}), "1/166 Sec"},
      {FormatShutterSpeed, TTestValue::Fractions(kTypeSRational, {{-4, 3}}), "2,5 Sec"},
      {FormatShutterSpeed, TTestValue::Fractions(kTypeSRational, {{0, 1}}), "1,0 Sec"},
      {FormatShutterSpeed, TTestValue::Integers(kTypeSShort, {7}), "1/128 Sec"},
      {FormatShutterSpeed, TTestValue::Fractions(kTypeSRational, {{5, 0}}), "5/0"},
      {FormatShutterSpeed, TTestValue::Fractions(kTypeSRational, {{-2000000, 1}}), "-2000000/1"},
      {FormatShutterSpeed, TTestValue::Text(kTypeAscii, "7", "7"), "7"},
      {FormatAperture, TTestValue::Fractions(kTypeRational, {{56, 10}}), "F7,0"},
      {FormatAperture, TTestValue::Fractions(kTypeRational, {{3, 1}}), "F2,8"},
      {FormatAperture, TTestValue::Fractions(kTypeRational, {{0, 0}}), "0/0"},
      {FormatAperture, TTestValue::Integers(kTypeShort, {}), ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.format(c.value.View(), kGerman), c.expected) << c.value.Shown();
  }
}

}  // namespace
}  // namespace pixolyn
