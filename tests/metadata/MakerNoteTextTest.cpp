#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "makernotes/MakerNoteText.h"

namespace pixolyn {
namespace {

struct SplitCase {
  std::string s;
  std::string sep;
  std::string before;
  std::string after;
  int count;
};

TEST(MakerNoteText, SplitsAtTheFirstSeparator) {
  const std::vector<SplitCase> cases = {
      {"1, 2, 3", ", ", "1", "2, 3", 2},
      {"1, 2, 3", ",", "1", " 2, 3", 2},
      {"no separator", ", ", "no separator", "", 0},
      {"", ",", "", "", 0},
      {",,", ",", "", ",", 2},
      {"aaaa", "aa", "", "aa", 2},  // found without overlap
      {"abc", "", "", "abc", 0},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE("«" + c.s + "» at «" + c.sep + "»");
    EXPECT_EQ(TextBefore(c.s, c.sep), c.before);
    EXPECT_EQ(TextAfter(c.s, c.sep), c.after);
    EXPECT_EQ(CountOf(c.s, c.sep), c.count);
  }
}

TEST(MakerNoteText, FieldsCountFromOneAndKeepTheirBlanks) {
  const std::string s = "10, 20, 30";
  EXPECT_EQ(FieldOf(s, ",", 1), "10");
  EXPECT_EQ(FieldOf(s, ",", 2), " 20");
  EXPECT_EQ(FieldOf(s, ",", 3), " 30");
  EXPECT_EQ(FieldOf(s, ",", 4), "");
  EXPECT_EQ(FieldOf(s, ",", 1000000), "");
  EXPECT_EQ(FieldOf(s, ",", 0), "10");
  EXPECT_EQ(FieldOf(s, ",", -5), "10");
  EXPECT_EQ(FieldOf("a,,c", ",", 2), "");
  EXPECT_EQ(FieldOf("a,,c", ",", 3), "c");
}

TEST(MakerNoteText, MappedElementDecodesTheTrimmedField) {
  const std::string map = "0:Normal,1:Soft,2:Hard";
  EXPECT_EQ(MappedElement("0, 2, 1", 0, map), "Normal");
  EXPECT_EQ(MappedElement("0, 2, 1", 1, map), "Hard");
  EXPECT_EQ(MappedElement("0, 2, 1", 2, map), "Soft");
  EXPECT_EQ(MappedElement("0, 2, 1", 3, map), "");  // beyond the array
  EXPECT_EQ(MappedElement("0, 7", 1, map), "");     // not in the map
}

TEST(MakerNoteText, SettingLineJoinsLabelAndMappedNumber) {
  EXPECT_EQ(SettingLine("Mirror Lockup", 1, "0:Disable,1:Enable"), "Mirror Lockup = Enable");
  EXPECT_EQ(SettingLine("Mirror Lockup", 2, "0:Disable,1:Enable"), "Mirror Lockup = ");
  EXPECT_EQ(SettingLine("Offset", -3, "-3:minus three"), "Offset = minus three");
}

}  // namespace
}  // namespace pixolyn
