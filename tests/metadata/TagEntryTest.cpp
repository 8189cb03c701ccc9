#include "metadata/TagEntry.h"

#include <gtest/gtest.h>

#include <array>

#include "metadata/ExifDecoder.h"
#include "metadata/TextUtil.h"

namespace pixolyn {
namespace {

constexpr TValueName kFirst[] = {{0, "first"}};
constexpr TValueName kSecond[] = {{0, "second"}};

// Names and maps are constants, as in the dictionaries.
TTagEntry Entry(uint16_t tag, const char* name = "Name", TValueNames valueMap = {}) {
  TTagEntry entry;
  entry.Tag = tag;
  entry.Name = name;
  entry.ValueMap = valueMap;
  entry.Text = "value";
  return entry;
}

TEST(TagList, RefusesTagZeroOnEmptyList) {
  TImageInfo info(nullptr);
  EXPECT_EQ(info.AddTag(Entry(0)), -1);
  EXPECT_TRUE(info.TagList.empty());
  EXPECT_EQ(info.TagCount, 0);
}

TEST(TagList, FindsByNameIgnoringAsciiCaseOnly) {
  TImageInfo info(nullptr);
  info.AddTag(Entry(0x829D, "FNumber"));
  info.AddTag(Entry(0x9999,
                    "Gr\xF6\xDF"
                    "e"));
  info.AddTag(Entry(0x829E, "FNUMBER"));
  EXPECT_EQ(info.FindTagByName("fnumber"), 0);
  EXPECT_EQ(info.FindTagByName("gr\xF6\xDF"
                               "e"),
            1);
  EXPECT_EQ(info.FindTagByName("GR\xD6\xDF"
                               "E"),
            -1);  // accented letters keep their case
  EXPECT_EQ(info.GetTagText("FNumber"), "value");
  const TTagEntry missing = info.GetTagByName("Nothing");
  EXPECT_EQ(missing.Tag, 0);
  EXPECT_TRUE(missing.Name.empty() && missing.Text.empty());
  EXPECT_EQ(missing.Formatter, nullptr);
}

TEST(TagTable, ValueMapOfTagTakesTheLaterEntry) {
  const std::array<TTagEntry, 3> table = {Entry(5, "a", kFirst), Entry(6, "b", kFirst),
                                          Entry(5, "c", kSecond)};
  EXPECT_EQ(ValueMapOfTag(5, table).data(), kSecond);
  EXPECT_TRUE(ValueMapOfTag(7, table).empty());
  EXPECT_EQ(FindTagIndex(5, table), 0);
  EXPECT_EQ(FindTagIndex(7, table), -1);
}

TEST(IntegerText, ConvertsAsTheSharedRuleSays) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {
      {"42", 42},
      {"   -17", -17},
      {"+8", 8},
      {"$1F", 31},
      {"x10", 16},
      {"X10", 16},
      {"0x7fffffff", INT32_MAX},
      {"0X10", std::nullopt},  // "0x" is the one two-character prefix
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"12 ", std::nullopt},
      {"1.5", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"0x", std::nullopt},
      {"$G", std::nullopt},
      {"\t5", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << '"' << c.text << '"';
  // The text ends at a NUL.
  EXPECT_EQ(TextToInt(std::string_view("12\0junk", 7)), 12);
}

TEST(TextHelpers, TrimAndCaseWorkOnBytes) {
  EXPECT_EQ(TrimControlAndBlank(" \t\r\nab c\x01 "), "ab c");
  EXPECT_EQ(TrimControlAndBlank("\xA0x\xA0"), "\xA0x\xA0");
  EXPECT_EQ(UpperAscii("skip\xE4"), "SKIP\xE4");
  EXPECT_EQ(LowerAscii("SKIP\xC4"), "skip\xC4");
}

}  // namespace
}  // namespace pixolyn
