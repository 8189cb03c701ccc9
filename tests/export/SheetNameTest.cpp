#include "export/SheetName.h"

#include <gtest/gtest.h>

#include "export/ExportMessages.h"

namespace pixolyn {
namespace {

TEST(SheetNameRefusal, NamesTheCharacterTheServerRefuses) {
  for (const char c : std::string(":\\/?*[]")) {
    const std::string name = std::string("Metainfo f\xFCr a") + c + "b.jpg";
    EXPECT_EQ(SheetNameRefusal(name), ForbiddenSheetCharacterMessage(name, c)) << c;
  }
  EXPECT_EQ(SheetNameRefusal("'quoted"), LeadingApostropheMessage("'quoted"));
}

TEST(SheetNameRefusal, AcceptsOrdinaryTitles) {
  EXPECT_EQ(SheetNameRefusal("Metainfo f\xFCr "), "");
  EXPECT_EQ(SheetNameRefusal("Metainfo f\xFCr it's (1) {2} #3.jpg"), "");
}

TEST(SameSheetName, IgnoresLetterCaseOfWindows1252Letters) {
  EXPECT_TRUE(SameSheetName("Metainfo f\xFCr A.JPG", "metainfo F\xDCR a.jpg"));
  EXPECT_TRUE(SameSheetName("\x8A\x8C\x8E\x9F\xC0\xDE", "\x9A\x9C\x9E\xFF\xE0\xFE"));
  EXPECT_FALSE(SameSheetName("a.jpg", "a.jpeg"));
  EXPECT_FALSE(SameSheetName("\xD7", "\xF7"));  // multiplication and division signs
  EXPECT_FALSE(SameSheetName("\xDF", "SS"));
  EXPECT_FALSE(SameSheetName("[", "{"));  // 0x5B and 0x7B are no letters
}

}  // namespace
}  // namespace pixolyn
