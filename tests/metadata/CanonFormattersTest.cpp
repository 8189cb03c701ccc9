#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "makernotes/CanonFormatters.h"
#include "makernotes/NikonFormatters.h"
#include "metadata/Regional.h"
#include "metadata/TextUtil.h"

namespace pixolyn {
namespace {

// The components joined as the value formatting joins them.
std::string ValueList(const std::vector<int>& values) {
  std::string text;
  for (const int v : values) {
    if (!text.empty()) text += ", ";
    text += std::to_string(v);
  }
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  ForEachCrLfLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

// The setting lines after the first line, the list of numbers itself.
std::vector<std::string> SettingLines(const std::string& formatted, const std::string& input) {
  EXPECT_EQ(formatted.substr(0, input.size() + 2), input + "\r\n");
  std::vector<std::string> lines = Lines(formatted);
  if (!lines.empty()) lines.erase(lines.begin());
  return lines;
}

// A camera-settings array of 33 elements, element k set to values[k] where given.
std::string CameraSettings(std::vector<std::pair<int, int>> values) {
  std::vector<int> elements(33, 0);
  for (auto [k, v] : values) elements[static_cast<std::size_t>(k)] = v;
  return ValueList(elements);
}

TEST(CanonCameraSettings, WritesTwentyLinesInOrder) {
  const std::string input = CameraSettings({{1, 2},
                                            {3, 5},
                                            {4, 16},
                                            {5, 1},
                                            {7, 2},
                                            {10, 6},
                                            {11, 6},
                                            {13, 65535},
                                            {14, 1},
                                            {15, 0},
                                            {16, 0},
                                            {17, 5},
                                            {19, 12291},
                                            {20, 5},
                                            {23, 55},
                                            {24, 18},
                                            {25, 1},
                                            {28, 7},
                                            {32, 1}});
  const std::vector<std::string> expected = {
      "Macro mode = Normal",
      "Self Timer =  2",  // the raw field keeps the blank after the comma
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
  const std::string formatted = FormatCanonCameraSettings(input);
  EXPECT_EQ(SettingLines(formatted, input), expected);
  EXPECT_NE(formatted.substr(formatted.size() - 2), "\r\n");  // the last line has no break
}

TEST(CanonCameraSettings, ShortArrayStillGivesTwentyLinesWithEmptyValues) {
  const std::string input = ValueList({0, 1, 0, 2, 0, 0, 0, 3, 0, 0});
  const std::vector<std::string> lines = SettingLines(FormatCanonCameraSettings(input), input);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "Macro mode = Macro");
  EXPECT_EQ(lines[5], "Focus Mode = MF");
  EXPECT_EQ(lines[6], "Image Size = ");  // element 10 is missing
  EXPECT_EQ(lines[15], "Long focal = ");
  EXPECT_EQ(lines[19], "Focus Mode = ");
}

TEST(CanonCameraSettings, ValueMissingFromItsMapLeavesTheLineEmpty) {
  const std::vector<std::string> lines =
      SettingLines(FormatCanonCameraSettings(CameraSettings({{4, 9}})), CameraSettings({{4, 9}}));
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[3], "Flash Mode = ");
}

TEST(CanonShotInfo, WritesSixLines) {
  std::vector<int> elements(19, 0);
  elements[7] = 4;
  elements[8] = 12;
  elements[10] = 8;
  elements[13] = 16384;
  elements[15] = 65524;
  elements[18] = 542;
  const std::string input = ValueList(elements);
  const std::vector<std::string> expected = {
      "White balance = Flourescent", "Sequence Number =  12", "OpticalZoom Step =  8",
      "AF point =  16384",           "Flash bias = -0.33 EV", "Distance =  542",
  };
  EXPECT_EQ(SettingLines(FormatCanonShotInfo(input), input), expected);
}

struct CustomCase {
  std::string input;
  std::vector<std::string> lines;
};

TEST(CanonCustomFunctions, OneLinePerFunctionFromOneToFifteen) {
  const std::vector<CustomCase> cases = {
      {"32, 257, 512, 3841",
       {"Noise Reduction =  On", "Shutter AE Lock Button = AF/AE lock",
        "Shutter Release w/o CF Card = Disable"}},
      {"1792", {"AEB Sequence = 0"}},  // a single field without ","
      {"1793", {"AEB Sequence = "}},
      {"1794, 1795", {"AEB Sequence =  -", "AEB Sequence =  -"}},
      {"257, ?, 769", {"Noise Reduction =  On", "Mirror Lockup = Enable"}},
      {"0, 255, 4096, -257, 65535", {}},  // functions 0, 16, -1 and 255
      {"1537, 2049, 3584",
       {"AV Shutter Speed =  1/200 (fixed)", "Shutter Sync =  2nd-curtain sync",
        "Superimposed Display =  On"}},
      {"", {}},
  };
  for (const CustomCase& c : cases) {
    SCOPED_TRACE(c.input);
    std::string expected = c.input;
    for (const std::string& line : c.lines) expected += "\r\n" + line;
    EXPECT_EQ(FormatCanonCustomFunctions(c.input), expected);
  }
}

TEST(CanonCustomFunctions, LongArrayIsDecodedInOnePass) {
  std::vector<int> elements(20000, 769);
  const std::string formatted = FormatCanonCustomFunctions(ValueList(elements));
  EXPECT_EQ(Lines(formatted).size(), 20001u);
}

class NikonLens : public ::testing::Test {};  // German settings: decimal comma

TEST_F(NikonLens, ShowsFocalAndApertureRanges) {
  EXPECT_EQ(FormatNikonLens("24/1, 85/1, 28/10, 45/10"), "24,0-85,0(mm)  F2,8-F4,5");
  EXPECT_EQ(FormatNikonLens("180/10, 700/10, 35/10, 45/10"), "18,0-70,0(mm)  F3,5-F4,5");
  EXPECT_EQ(FormatNikonLens("50/1, 50/1, 14/10, 14/10"), "50,0-50,0(mm)  F1,4-F1,4");
  EXPECT_EQ(FormatNikonLens("5/100, 0/0, x/1, 1/3"), "0,1-0,0(mm)  F0,0-F0,3");
}

TEST_F(NikonLens, TextWithoutSeparatorIsReadAsTheFourthNumber) {
  EXPECT_EQ(FormatNikonLens("45/10"), "0,0-0,0(mm)  F0,0-F4,5");
  EXPECT_EQ(FormatNikonLens("24/1,85/1"), "0,0-0,0(mm)  F0,0-F0,0");
  EXPECT_EQ(FormatNikonLens(""), "0,0-0,0(mm)  F0,0-F0,0");
  // Only the first 64 characters count: the denominator 10 is cut to 1.
  EXPECT_EQ(FormatNikonLens("9/" + std::string(61, ' ') + "10"), "0,0-0,0(mm)  F0,0-F9,0");
}

}  // namespace
}  // namespace pixolyn
