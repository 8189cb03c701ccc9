#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/TypedValues.h"
#include "makernotes/CanonFormatters.h"
#include "makernotes/NikonFormatters.h"
#include "metadata/TextUtil.h"

namespace pixolyn {
namespace {

using test::TTestValue;

const RegionalSettings kGerman;

// The setting lines after the first line, which is the array as shown.
std::vector<std::string> SettingLines(const std::string& formatted, const TTestValue& value) {
  EXPECT_EQ(formatted.substr(0, value.Shown().size() + 2), value.Shown() + "\r\n");
  std::vector<std::string> lines;
  ForEachCrLfLine(formatted, [&lines](std::string_view line) { lines.emplace_back(line); });
  if (!lines.empty()) lines.erase(lines.begin());
  return lines;
}

// An array of count SHORTs, element k set to values[k] where given.
TTestValue Shorts(std::size_t count, std::vector<std::pair<int, int>> values) {
  std::vector<int64_t> elements(count, 0);
  for (auto [k, v] : values) elements[static_cast<std::size_t>(k)] = v;
  return TTestValue::Integers(kTypeShort, elements);
}

TEST(CanonCameraSettings, WritesTwentyLinesInOrder) {
  const TTestValue value =
      Shorts(33, {{1, 2},  {2, 100},    {3, 5},   {4, 16}, {5, 1},  {7, 2},  {10, 6},
                  {11, 6}, {13, 65535}, {14, 1},  {15, 0}, {16, 0}, {17, 5}, {19, 12291},
                  {20, 5}, {23, 55},    {24, 18}, {25, 1}, {28, 7}, {32, 1}});
  const std::vector<std::string> expected = {
      "Macro mode = Normal",
      "Self Timer =  100",  // the raw element keeps the blank after its comma
      "Compression Rate = SuperFine",
      "Flash Mode = External flash",
      "Drive Mode = Continuous",
      "Focus Mode = AI Focus",
      "Image Size = 1.5 MPixel",
      "Easy Shoot = B&W",
      "Contrast = Low",
      "Saturation = High",
      "Sharpness = Normal",
      "CCD ISO = Not usednicht verwendet",
      "Metering Mode = Center-weighted",
      "AF Point = Center",
      "Exposure Mode = A-DEP",
      "Long focal =  55",
      "Short focal =  18",
      "Focal Units =  1",
      "Flash Details =  7",
      "Focus Mode = Continuous",
  };
  const std::string formatted = FormatCanonCameraSettings(value.View(), kGerman);
  EXPECT_EQ(SettingLines(formatted, value), expected);
  EXPECT_NE(formatted.substr(formatted.size() - 2), "\r\n");  // the last line has no break
}

TEST(CanonCameraSettings, MissingOrUnmappedElementsLeaveTheirLinesEmpty) {
  const TTestValue shortArray = Shorts(10, {{1, 1}, {4, 9}, {7, 3}});
  const std::vector<std::string> lines =
      SettingLines(FormatCanonCameraSettings(shortArray.View(), kGerman), shortArray);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "Macro mode = Macro");
  EXPECT_EQ(lines[3], "Flash Mode = ");  // 9 is not in the map
  EXPECT_EQ(lines[5], "Focus Mode = MF");
  EXPECT_EQ(lines[6], "Image Size = ");  // element 10 is missing
  EXPECT_EQ(lines[19], "Focus Mode = ");
}

TEST(CanonCameraSettings, FractionsHaveNoMappedWordsButShowAsRawElements) {
  const TTestValue fractions = TTestValue::Fractions(kTypeRational, {{1, 1}, {2, 1}, {3, 1}});
  const std::vector<std::string> lines =
      SettingLines(FormatCanonCameraSettings(fractions.View(), kGerman), fractions);
  EXPECT_EQ(lines[0], "Macro mode = ");
  EXPECT_EQ(lines[1], "Self Timer =  3/1");
}

TEST(CanonCameraSettings, TextValueIsSplitAtItsCommas) {
  const TTestValue text = TTestValue::Text(kTypeAscii, "x,2,y, 7,0", "\"x,2,y, 7,0\"");
  const std::vector<std::string> lines =
      SettingLines(FormatCanonCameraSettings(text.View(), kGerman), text);
  EXPECT_EQ(lines[0], "Macro mode = Normal");
  EXPECT_EQ(lines[1], "Self Timer = y");
  EXPECT_EQ(lines[2], "Compression Rate = 7");
}

TEST(CanonCameraSettings, CompressionRateNamesCanonsCodesAndShowsOthersAsStored) {
  const struct {
    int code;
    const char* expected;
  } cases[] = {{1, "Economy"},   {2, "Normal"}, {3, "Fine"}, {4, "RAW"},
               {5, "SuperFine"}, {0, "0"},      {7, "7"}};
  for (const auto& c : cases) {
    const TTestValue value = Shorts(4, {{3, c.code}});
    const std::vector<std::string> lines =
        SettingLines(FormatCanonCameraSettings(value.View(), kGerman), value);
    EXPECT_EQ(lines[2], std::string("Compression Rate = ") + c.expected);
  }
}

TEST(CanonShotInfo, WritesSixLines) {
  const TTestValue value =
      Shorts(19, {{7, 4}, {8, 12}, {10, 8}, {13, 16384}, {15, 65524}, {18, 542}});
  const std::vector<std::string> expected = {
      "White balance = Flourescent", "Sequence Number =  12", "OpticalZoom Step =  8",
      "AF point =  16384",           "Flash bias = -0.33 EV", "Distance =  542",
  };
  EXPECT_EQ(SettingLines(FormatCanonShotInfo(value.View(), kGerman), value), expected);
}

struct CustomCase {
  TTestValue value;
  std::vector<std::string> lines;
};

TEST(CanonCustomFunctions, OneLinePerFunctionFromOneToFifteen) {
  const std::vector<CustomCase> cases = {
      {TTestValue::Integers(kTypeShort, {32, 257, 512, 3841}),
       {"Noise Reduction =  On", "Shutter AE Lock Button = AF/AE lock",
        "Shutter Release w/o CF Card = Disable"}},
      // The words of the AEB sequence as they have always shown.
      {TTestValue::Integers(kTypeShort, {1792, 1793, 1794, 1795}),
       {"AEB Sequence = 0", "AEB Sequence = ", "AEB Sequence =  -", "AEB Sequence =  -"}},
      // Functions 0, 16, -1 and 255, and a number beyond 32 bits.
      {TTestValue::Integers(kTypeSLong, {0, 255, 4096, -257, 65535}), {}},
      {TTestValue::Integers(kTypeLong, {4294967295, 769}), {"Mirror Lockup = Enable"}},
      {TTestValue::Integers(kTypeShort, {1537, 2049, 3584}),
       {"AV Shutter Speed =  1/200 (fixed)", "Shutter Sync =  2nd-curtain sync",
        "Superimposed Display =  On"}},
      {TTestValue::Fractions(kTypeRational, {{257, 1}}), {}},
      {TTestValue::Text(kTypeAscii, "", "257, ?, 769"),
       {"Noise Reduction =  On", "Mirror Lockup = Enable"}},
      {TTestValue::Integers(kTypeShort, {}), {}},
  };
  for (const CustomCase& c : cases) {
    SCOPED_TRACE(c.value.Shown());
    std::string expected = c.value.Shown();
    for (const std::string& line : c.lines) expected += "\r\n" + line;
    EXPECT_EQ(FormatCanonCustomFunctions(c.value.View(), kGerman), expected);
  }
}

struct LensCase {
  TTestValue value;
  const char* expected;
};

TEST(NikonLens, ShowsFocalAndApertureRangesWithTheRegionalSeparator) {
  constexpr int64_t kMax = 4294967295;
  const std::vector<LensCase> cases = {
      {TTestValue::Fractions(kTypeRational, {{24, 1}, {85, 1}, {28, 10}, {45, 10}}),
       "24,0-85,0(mm)  F2,8-F4,5"},
      {TTestValue::Fractions(kTypeRational, {{5, 100}, {0, 0}, {kMax, 1}, {1, 3}}),
       "0,1-0,0(mm)  F0,0-F0,3"},
      // Fewer than four: the last one is the fourth number.
      {TTestValue::Fractions(kTypeRational, {{45, 10}}), "0,0-0,0(mm)  F0,0-F4,5"},
      {TTestValue::Fractions(kTypeRational, {{24, 1}, {85, 1}}), "24,0-0,0(mm)  F0,0-F85,0"},
      {TTestValue::Fractions(kTypeRational, {}), "0,0-0,0(mm)  F0,0-F0,0"},
      // A fifth one spoils the fourth; long ones cut it to 64 written characters.
      {TTestValue::Fractions(kTypeRational, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}),
       "1,0-2,0(mm)  F3,0-F0,0"},
      {TTestValue::Fractions(kTypeRational,
                             {{1, 1}, {kMax, kMax}, {kMax, kMax}, {2147483647, 12345678}}),
       "1,0-0,0(mm)  F0,0-F17394,7"},
      {TTestValue::Integers(kTypeShort, {24, 85, 28, 45}), "0,0-0,0(mm)  F0,0-F0,0"},
      {TTestValue::Text(kTypeAscii, "", "45/10"), "0,0-0,0(mm)  F0,0-F4,5"},
  };
  for (const LensCase& c : cases) {
    EXPECT_EQ(FormatNikonLens(c.value.View(), kGerman), c.expected) << c.value.Shown();
  }
  EXPECT_EQ(FormatNikonLens(cases[0].value.View(), RegionalSettings{.DecimalSeparator = '.'}),
            "24.0-85.0(mm)  F2.8-F4.5");
}

}  // namespace
}  // namespace pixolyn
