#include "app/Settings.h"

#include <gtest/gtest.h>

#include "fixtures/JpegBuilder.h"

namespace pixolyn::settings {
namespace {

TEST(SettingsInteger, ReadsDecimalAndBothHexadecimalForms) {
  const struct {
    const char* Text;
    std::optional<int> Value;
  } cases[] = {
      {"500", 500},
      {"-12", -12},
      {"+7", 7},
      {"0x1F4", 500},
      {"0X1f4", 500},
      {"$1F4", 500},
      {"0x", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"12px", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.Text), c.Value) << c.Text;
}

TEST(SettingsInteger, MissingOrMalformedValueGivesTheKeyDefault) {
  test::TempDir dir;
  const TIniFile file(
      dir.Write("PIXOLYN.INI", "[mainwindow]\nmainwidth=wide\npanel2.width=0x12C\n"));
  EXPECT_EQ(ReadInteger(file, kMainWidth), 723);
  EXPECT_EQ(ReadInteger(file, kMainHeight), 550);
  EXPECT_EQ(ReadInteger(file, kPanel2Width), 300);
}

TEST(SettingsInteger, WritesDecimalText) {
  test::TempDir dir;
  const TIniFile file(dir.Path() + "/PIXOLYN.INI");
  ASSERT_TRUE(WriteInteger(file, kTop, -20));
  EXPECT_EQ(file.ReadString(kSection, "top", ""), "-20");
}

}  // namespace
}  // namespace pixolyn::settings
