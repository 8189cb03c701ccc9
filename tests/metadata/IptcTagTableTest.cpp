#include "iptc/IptcTagTable.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace pixolyn {
namespace {

TEST(IptcTagTable, HoldsThirtyTwoPlainRowsOfRecordTwoThenTheSubfileRow) {
  const TTagDefArray& table = IptcTagTable();
  ASSERT_EQ(table.size(), kIptcTagCount);
  std::set<std::pair<int, int>> keys;
  std::set<std::string> names;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const TTagEntry& row = table[i];
    EXPECT_EQ(row.RecordNumber, i + 1 == table.size() ? 8 : 2) << i;
    EXPECT_EQ(row.Group, 0) << i;
    EXPECT_EQ(row.FormatType, 0) << i;
    EXPECT_TRUE(row.ValueMap.empty() && row.Text.empty() && row.RawText.empty() &&
                row.FormatPattern.empty() && !row.Formatter)
        << i;
    EXPECT_GT(row.MaxSize, 0) << i;
    EXPECT_TRUE(keys.emplace(row.RecordNumber, row.Tag).second) << "pair twice in row " << i;
    EXPECT_TRUE(names.emplace(row.Name).second) << row.Name;
  }
}

TEST(IptcTagTable, CarriesTheLabelsByteForByte) {
  const TTagDefArray& table = IptcTagTable();
  struct Case {
    std::size_t row;
    uint16_t tag;
    const char* name;
    const char* label;
    int maxSize;
  } cases[] = {
      {0, 0x00, "SKIP", "Record Version", 64},
      {1, 0x37, "DateCreated", "Erstelldatum", 8},
      {4, 0x0A, "Urgency", "Dringlichkeit", 1},
      {9, 0x19, "Keywords", "Schl\xFCsselw\xF6rter", 32},
      {13, 0x50, "ByLine", "Autor", 32},
      {18, 0x64, "LocationCode", "L\xE4ndercode", 3},
      {21, 0x69, "ImageHeadline",
       "\xDC"
       "berschrift",
       256},
      {26, 0x78, "ImageCaption", "Objektbeschreibung", 2000},
      {27, 0x7A, "ImageCaptionWriter", "Autor", 32},
      {31, 0x0A, "Subfile", "Unterdatei", 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(table[c.row].Tag, c.tag) << c.row;
    EXPECT_EQ(table[c.row].Name, c.name) << c.row;
    EXPECT_EQ(table[c.row].Label, c.label) << c.row;
    EXPECT_EQ(table[c.row].MaxSize, c.maxSize) << c.row;
  }
}

TEST(IptcTagTable, JoinsRepeatsOfSupplementalCategoriesAndKeywordsOnly) {
  for (int dataset = 0; dataset < 256; ++dataset) {
    EXPECT_EQ(IsRepeatableDataset(static_cast<uint16_t>(dataset)), dataset == 20 || dataset == 25)
        << dataset;
  }
}

}  // namespace
}  // namespace pixolyn
