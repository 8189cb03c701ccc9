#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "makernotes/CanonFormatters.h"
#include "makernotes/MakerNoteTables.h"
#include "makernotes/NikonFormatters.h"
#include "metadata/TextUtil.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {
namespace {

struct NamedTable {
  const char* name;
  std::span<const TTagEntry> (*table)();
  std::size_t rows;
  uint16_t firstTag;
  uint16_t lastTag;
};

const std::vector<NamedTable>& AllTables() {
  static const std::vector<NamedTable> tables = {
      {"Nikon 1", NikonTagTable1, 11, 0x0002, 0x0F00},
      {"Nikon 2", NikonTagTable2, 19, 0x0001, 0x0F00},
      {"Olympus", OlympusTagTable, 33, 0x0200, 0x1034},
      {"Casio", CasioTagTable, 26, 0x0001, 0x001A},
      {"Fujifilm", FujiTagTable, 18, 0x0000, 0x1302},
      {"Canon", CanonTagTable, 16, 0x0000, 0x0010},
      {"Seiko", SeikoTagTable, 12, 0x0200, 0x0F00},
      {"Sanyo", SanyoTagTable, 6, 0x0200, 0x0F00},
      {"Minolta", MinoltaTagTable, 2, 0x0000, 0x0E00},
  };
  return tables;
}

const TTagEntry& Row(std::span<const TTagEntry> table, uint16_t tag) {
  const int index = FindTagIndex(tag, table);
  EXPECT_GE(index, 0) << "tag " << tag;
  return table[static_cast<std::size_t>(index < 0 ? 0 : index)];
}

TEST(MakerNoteTables, HoldTheirRowsFromFirstToLastTag) {
  for (const NamedTable& t : AllTables()) {
    const auto table = t.table();
    SCOPED_TRACE(t.name);
    ASSERT_EQ(table.size(), t.rows);
    EXPECT_EQ(table.front().Tag, t.firstTag);
    EXPECT_EQ(table.back().Tag, t.lastTag);
  }
  const std::size_t total =
      std::accumulate(AllTables().begin(), AllTables().end(), std::size_t{0},
                      [](std::size_t sum, const NamedTable& t) { return sum + t.table().size(); });
  EXPECT_EQ(total, 143u);
}

TEST(MakerNoteTables, ListTagsInAscendingOrderOnce) {
  for (const NamedTable& t : AllTables()) {
    const auto table = t.table();
    SCOPED_TRACE(t.name);
    for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1].Tag, table[i].Tag) << i;
  }
}

TEST(MakerNoteTables, RowsCarryOnlyTagNamesMapsAndFormatters) {
  for (const NamedTable& t : AllTables()) {
    SCOPED_TRACE(t.name);
    for (const TTagEntry& row : t.table()) {
      EXPECT_EQ(row.Group, 0);
      EXPECT_EQ(row.FormatType, 0);
      EXPECT_EQ(row.RecordNumber, 0);
      EXPECT_EQ(row.MaxSize, 0);
      EXPECT_TRUE(row.Text.empty());
      EXPECT_TRUE(row.RawText.empty());
      EXPECT_TRUE(row.FormatPattern.empty());
      EXPECT_FALSE(row.Name.empty());
      EXPECT_FALSE(row.Label.empty());
    }
  }
}

TEST(MakerNoteTables, SkipRowsAreNamedAndLabelledSkip) {
  const std::vector<std::pair<const char*, std::vector<uint16_t>>> skipped = {
      {"Nikon 1", {0x0009, 0x0F00}},
      {"Nikon 2", {0x000A, 0x0010, 0x0F00}},
      {"Olympus", {0x0203, 0x0205, 0x0206, 0x0F00}},
      {"Casio",
       {0x0008, 0x0009, 0x000E, 0x000F, 0x0010, 0x0011, 0x0012, 0x0013, 0x0015, 0x0016, 0x0017,
        0x0018, 0x0019, 0x001A}},
      {"Fujifilm", {0x1032, 0x1200}},
      {"Canon", {0x0000, 0x0002, 0x0003, 0x000A, 0x000B, 0x000D, 0x000E, 0x0010}},
      {"Seiko", {0x0203, 0x0F00}},
      {"Sanyo", {0x0203}},
      {"Minolta", {}},
  };
  ASSERT_EQ(skipped.size(), AllTables().size());
  for (std::size_t i = 0; i < skipped.size(); ++i) {
    SCOPED_TRACE(skipped[i].first);
    std::vector<uint16_t> found;
    for (const TTagEntry& row : AllTables()[i].table()) {
      if (UpperAscii(row.Label) != "SKIP") continue;
      found.push_back(row.Tag);
      EXPECT_EQ(row.Name, row.Label);
      EXPECT_TRUE(row.ValueMap.empty());
      EXPECT_EQ(row.Formatter, nullptr);
    }
    EXPECT_EQ(found, skipped[i].second);
  }
  // The one row spelt in lower case.
  EXPECT_EQ(Row(SeikoTagTable(), 0x0F00).Label, "skip");
  EXPECT_EQ(Row(SeikoTagTable(), 0x0300).Label, "??");
}

TEST(MakerNoteTables, FourRowsExpandTheirArrays) {
  EXPECT_EQ(Row(NikonTagTable2(), 0x0084).Formatter, &FormatNikonLens);
  EXPECT_EQ(Row(NikonTagTable2(), 0x0084).Label, "Lens information");
  EXPECT_EQ(Row(CanonTagTable(), 0x0001).Formatter, &FormatCanonCameraSettings);
  EXPECT_EQ(Row(CanonTagTable(), 0x0004).Formatter, &FormatCanonShotInfo);
  EXPECT_EQ(Row(CanonTagTable(), 0x000F).Formatter, &FormatCanonCustomFunctions);
  int withFormatter = 0;
  for (const NamedTable& t : AllTables()) {
    for (const TTagEntry& row : t.table()) withFormatter += row.Formatter != nullptr;
  }
  EXPECT_EQ(withFormatter, 4);
}

TEST(MakerNoteTables, KeepTheOddValueMapsByteForByte) {
  const TTagEntry& nikonQuality = Row(NikonTagTable1(), 0x0003);
  EXPECT_EQ(nikonQuality.ValueMap,
            "1:Vga Basic,2:Vga Normal,3:Vga Fine,4:SXGA Basic,5:SXGA Normal,6:SXGA Fine10:2 "
            "Mpixel Basic,11:2 Mpixel Normal,12:2 Mpixel Fine");
  EXPECT_EQ(DecodeValueMap(nikonQuality.ValueMap, "6"), "SXGA Fine10:2 Mpixel Basic");
  EXPECT_EQ(DecodeValueMap(nikonQuality.ValueMap, "10"), "");
  EXPECT_EQ(DecodeValueMap(nikonQuality.ValueMap, "12"), "2 Mpixel Fine");

  const TTagEntry& olympusMacro = Row(OlympusTagTable(), 0x0202);
  EXPECT_EQ(olympusMacro.ValueMap, "0=Normal,1:Macro;");
  EXPECT_EQ(DecodeValueMap(olympusMacro.ValueMap, "0"), "");
  EXPECT_EQ(DecodeValueMap(olympusMacro.ValueMap, "1"), "Macro;");

  const TTagEntry& fujiSharpness = Row(FujiTagTable(), 0x1001);
  EXPECT_EQ(fujiSharpness.ValueMap, "1:Soft,2:Soft,3:Normal,4:Hard,5:Hard");
  for (const char* soft : {"1", "2"})
    EXPECT_EQ(DecodeValueMap(fujiSharpness.ValueMap, soft), "Soft");
  for (const char* hard : {"4", "5"})
    EXPECT_EQ(DecodeValueMap(fujiSharpness.ValueMap, hard), "Hard");
}

TEST(MakerNoteTables, KeepTheLongValueMapsByteForByte) {
  EXPECT_EQ(Row(FujiTagTable(), 0x1002).ValueMap,
            "0:Auto,256:Daylight,512:Cloudy,768:DaylightColor-fluorescence,769:DaywhiteColor-"
            "fluorescence,770:White-fluorescence,1024:Incandenscense,3840:Custom white balance.");
  EXPECT_EQ(Row(FujiTagTable(), 0x1031).ValueMap,
            "0:Auto,1:Portrait scene,2:Landscape scene,4:Sports scene,5:Night scene,6:Program "
            "AE,256:Aperture prior AE,512:Shutter prior AE,768:Manual exposure");
  EXPECT_EQ(Row(CasioTagTable(), 0x0014).ValueMap,
            "64:Normal,125:+1.0,250:+2.0,244:+3.0,80:Normal,100:High");
  EXPECT_EQ(Row(CasioTagTable(), 0x000A).ValueMap, "65536:Off,65537:2X Digital Zoom");
  EXPECT_EQ(Row(NikonTagTable1(), 0x0007).ValueMap,
            "0:Auto,1:Preset,2:Daylight,3:Incandescense,4:Fluorescence,5:Cloudy,6:SpeedLight");
  EXPECT_EQ(Row(NikonTagTable1(), 0x000B).ValueMap, "0:nicht verwendet,1:verwendet");
  EXPECT_EQ(Row(OlympusTagTable(), 0x0204).Label, "Digital Zoom Ratio");
}

}  // namespace
}  // namespace pixolyn
