#include "table/MetaInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/ExifReading.h"
#include "table/GridText.h"

namespace pixolyn {
namespace {

const char* const kNone = "  - keine Daten vorhanden -";

std::vector<std::string> Rows(const TMetaTable& grid) {
  std::vector<std::string> rows;
  for (int r = 0; r < grid.RowCount(); ++r)
    rows.push_back(std::string(grid.Cell(0, r)) + "|" + std::string(grid.Cell(1, r)));
  return rows;
}

const std::vector<std::string> kEmptyTable = {" Feldbezeichnung| Dateninhalte",
                                              "Kommentar|",
                                              std::string(kNone) + "|",
                                              "|",
                                              "IPTC-Daten|",
                                              std::string(kNone) + "|",
                                              "|",
                                              "EXIF-Daten (standard)|",
                                              std::string(kNone) + "|",
                                              "|",
                                              "XMP-Daten|",
                                              std::string(kNone) + "|"};
const std::vector<std::string> kNoXmp = {"|", "XMP-Daten|", std::string(kNone) + "|"};

using test::ImageWithExif;

TTagEntry Tag(std::string_view label, std::string text, int group = 0) {
  return test::LabelledTag(label, std::move(text), group);
}

TEST(MetaTable, WithoutImageHasTwelveRows) {
  TMetaTable grid;
  TIntArray sections;
  ShowMetaInfo(grid, nullptr, sections);
  EXPECT_EQ(Rows(grid), kEmptyTable);
  EXPECT_EQ(sections, (TIntArray{1, 4, 7, 10}));
  EXPECT_EQ(grid.ColWidth(0), 160);
  EXPECT_EQ(grid.ColWidth(1), 2000);
}

TEST(MetaTable, SplitsMultiLineValuesIntoMakerRows) {
  const std::vector<TTagEntry> tags = {
      Tag("Kamera",
          "1 2 3\r\nMacro Mode = Macro\r\n  Self Timer =  2 s \r\nA = b = c\r\nNoEquals\r\n"),
      Tag("Digits", "12\r\n3 = x"),
      Tag("Blank", "   \t "),
      Tag("Plain", " kept as is ", 0),
      Tag("Maker", "value", 1),
  };
  const auto rows = TagListToInfo(tags);
  struct Row {
    int group;
    const char* caption;
    const char* value;
  } expected[] = {{1, "Macro Mode", "Macro"}, {1, "Self Timer", "2 s"},     {1, "A", "b = c"},
                  {1, "NoEquals", ""},        {0, "Plain", " kept as is "}, {1, "Maker", "value"}};
  ASSERT_EQ(rows.size(), std::size(expected));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].Group, expected[i].group) << i;
    EXPECT_EQ(rows[i].Caption, expected[i].caption) << i;
    EXPECT_EQ(rows[i].Value, expected[i].value) << i;
  }
}

TEST(MetaTable, PlacesStandardAndMakerSections) {
  struct Case {
    std::vector<TTagEntry> tags;
    std::vector<std::string> tail;  // rows from "EXIF-Daten (standard)" to the XMP section
    TIntArray sections;
  } cases[] = {
      {{Tag("Kamerahersteller", "Canon")},
       {"EXIF-Daten (standard)|", "  Kamerahersteller|Canon", "|", "EXIF-Daten (kameraspezifisch)|",
        std::string(kNone) + "|"},
       {1, 4, 7, 10, 13}},
      {{Tag("Makro", "An", 1), Tag("Qualit\xE4t", "Fein", 1)},
       {"EXIF-Daten (standard)|", "|", "EXIF-Daten (kameraspezifisch)|", "  Makro|An",
        "  Qualität|Fein"},
       {1, 4, 7, 9, 13}},
      {{Tag("A", "1"), Tag("M", "m", 1), Tag("B", "2"), Tag("Other", "x", 2)},
       {"EXIF-Daten (standard)|", "  A|1", "  B|2", "|", "EXIF-Daten (kameraspezifisch)|", "  M|m"},
       {1, 4, 7, 11, 14}},
  };
  for (const Case& c : cases) {
    auto image = ImageWithExif(c.tags);
    TMetaTable grid;
    TIntArray sections;
    ShowMetaInfo(grid, image.get(), sections);
    const auto rows = Rows(grid);
    ASSERT_GE(rows.size(), 7u);
    std::vector<std::string> tail = c.tail;
    tail.insert(tail.end(), kNoXmp.begin(), kNoXmp.end());
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 7, rows.end()), tail);
    EXPECT_EQ(sections, c.sections);
  }
}

TEST(MetaTable, SecondFillLeavesNothingOfTheFirst) {
  std::vector<TTagEntry> many;
  for (int i = 0; i < 60; ++i) many.push_back(Tag("T" + std::to_string(i), "v"));
  auto image = ImageWithExif(many);
  TMetaTable grid;
  TIntArray sections;
  ShowMetaInfo(grid, image.get(), sections);
  ASSERT_GT(grid.RowCount(), 60);
  ShowMetaInfo(grid, nullptr, sections);
  EXPECT_EQ(Rows(grid), kEmptyTable);
  EXPECT_EQ(sections, (TIntArray{1, 4, 7, 10}));
  // Nothing lingers beyond the row count either.
  grid.SetRowCount(70);
  for (int r = 12; r < 70; ++r)
    EXPECT_EQ(std::string(grid.Cell(0, r)) + std::string(grid.Cell(1, r)), "") << r;
}

TEST(TabText, EveryLineKeepsTwoCellsAndNoControlCharacter) {
  const struct {
    const char* cell;
    const char* tabText;
    const char* workbook;
  } cases[] = {
      {"tab\there", "tab here", "tab here"},
      {"lone\rcr", "lone cr", "lonecr"},
      {"line\nfeed", "line feed", "line feed"},
      {"two\r\nlines", "two lines", "two lines"},
      {"bel\a esc\x1B unit\x1F", "bel. esc. unit.", "bel. esc. unit."},
      {"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello \\b bold\\b0\\par world}",
       "Hello bold world", nullptr},
      {"\xC3\xA4 \x7F", "\xC3\xA4 \x7F", "\xC3\xA4 \x7F"},
  };
  for (const auto& c : cases) {
    TMetaTable grid;
    grid.SetRowCount(1);
    grid.SetCell(0, 0, c.cell);
    grid.SetCell(1, 0, c.cell);
    EXPECT_EQ(GridToTabText(grid), std::string(c.tabText) + "\t" + c.tabText + "\r\n");
    if (c.workbook) {
      EXPECT_EQ(CellForWorkbook(c.cell), c.workbook);
    }
  }
  const std::string nul("nul\0!", 5);
  EXPECT_EQ(TabTextCell(nul), "nul.!");
  EXPECT_EQ(CellForWorkbook(nul), "nul.!");
}

// pixolyn-info renders the sections straight to text: the same text the grid
// gives, with the chosen line end after every row.
TEST(TabText, TheSectionsGiveTheGridsTextWithTheChosenLineEnds) {
  TMetaSections sections(2);
  sections[0].Rows = {{.Caption = "lone\rcr", .Value = "{\\rtf1 one\\par two}"},
                      {.Caption = "", .Value = "plain"}};
  sections[1].Kind = TSectionKind::ExifStandard;  // nothing under its header
  TMetaTable grid;
  TIntArray headers;
  ShowSections(grid, sections, headers);
  const std::string viaGrid = GridToTabText(grid);
  ASSERT_NE(viaGrid.find("lone cr\tone two\r\n"), std::string::npos);
  std::string crlf;
  AppendTabText(crlf, sections, "\r\n");
  EXPECT_EQ(crlf, viaGrid);
  std::string lf = "kept\r\n";
  AppendTabText(lf, sections, "\n");
  std::string expected = "kept\r\n" + viaGrid;
  for (auto at = expected.find("\r\n", 6); at != std::string::npos;
       at = expected.find("\r\n", at)) {
    expected.erase(at, 1);
  }
  EXPECT_EQ(lf, expected);
}

}  // namespace
}  // namespace pixolyn
