#include "metadata/IptcDate.h"

#include <gtest/gtest.h>

namespace pixolyn {
namespace {

// Day numbers counted from 30 December 1899, worked out apart from the code.
constexpr double k15March2004 = 38061;
constexpr double k31May2002 = 37407;
constexpr double k10March2004 = 38056;
constexpr double kSecondsPerDay = 86400;

struct DateCase {
  const char* date;
  const char* time;
  double expected;
};

class IptcStrToDateTimeCases : public testing::TestWithParam<DateCase> {};

TEST_P(IptcStrToDateTimeCases, ConvertsTheDateAndTimeFields) {
  const DateCase& c = GetParam();
  EXPECT_DOUBLE_EQ(IptcStrToDateTime(c.date, c.time), c.expected)
      << "date \"" << c.date << "\" time \"" << c.time << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    IptcDate, IptcStrToDateTimeCases,
    testing::Values(DateCase{"20040315", "", k15March2004},
                    // The zone offset behind the seconds is ignored.
                    DateCase{"20040315", "134502+0100",
                             k15March2004 + (13 * 3600 + 45 * 60 + 2) / kSecondsPerDay},
                    DateCase{"20040315", "235959", k15March2004 + 86399 / kSecondsPerDay},
                    // An empty date stands for a fixed day; an empty time for midnight.
                    DateCase{"", "", k31May2002}, DateCase{"", "120000", k31May2002 + 0.5},
                    // Seven characters join the time: day "10", and a one-character second field.
                    DateCase{"2004031", "000000", k10March2004},
                    DateCase{"20000229", "", 36585},  // leap year divisible by 400
                    DateCase{"19000301", "", 61},     // 1900 is no leap year
                    DateCase{"18991230", "", 0},      // the zero day itself
                    DateCase{"00010101", "", -693593}, DateCase{"99991231", "", 2958465},
                    // A field may lead with blanks and a sign.
                    DateCase{"2004 315", "", k15March2004}, DateCase{"2004+315", "", k15March2004}),
    [](const testing::TestParamInfo<DateCase>& test) {
      return "Case" + std::to_string(test.index);
    });

struct FailureCase {
  const char* name;
  const char* date;
  const char* time;
};

class IptcStrToDateTimeFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(IptcStrToDateTimeFailures, YieldZero) {
  const FailureCase& c = GetParam();
  EXPECT_EQ(IptcStrToDateTime(c.date, c.time), 0.0)
      << "date \"" << c.date << "\" time \"" << c.time << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    IptcDate, IptcStrToDateTimeFailures,
    testing::Values(
        FailureCase{"Month13", "20041315", ""}, FailureCase{"MonthZero", "20040015", ""},
        // The month field "-0" converts to 0.
        FailureCase{"DashedDate", "2004-03-15", ""}, FailureCase{"February30", "20040230", ""},
        FailureCase{"February29InCommonYear", "20030229", ""},
        FailureCase{"DayZero", "20040300", ""}, FailureCase{"YearZero", "00000101", ""},
        FailureCase{"EightBlanks", "        ", ""}, FailureCase{"BlankTime", "20040315", "      "},
        FailureCase{"Hour24", "20040315", "240000"}, FailureCase{"Minute60", "20040315", "126000"},
        FailureCase{"Second60", "20040315", "123460"}, FailureCase{"LetterInDay", "2004031a", ""},
        // Date and time together end before the second field.
        FailureCase{"NoSecondField", "200403", "101010"},
        FailureCase{"ShortTime", "20040315", "1200"}),
    [](const testing::TestParamInfo<FailureCase>& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace pixolyn
