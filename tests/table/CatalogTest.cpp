#include "table/Catalog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fixtures/JpegBuilder.h"
#include "table/CatalogCsv.h"
#include "table/CatalogReader.h"
#include "table/PictureTable.h"

namespace pixolyn {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;  // caption, value
using Sections = std::vector<std::pair<TSectionKind, Rows>>;

constexpr TSectionKind kComment = TSectionKind::Comment;
constexpr TSectionKind kIptc = TSectionKind::Iptc;
constexpr TSectionKind kStandard = TSectionKind::ExifStandard;
constexpr TSectionKind kXmp = TSectionKind::Xmp;

// XMP rows under a qualified name ("crs:Exposure2012") and the lines that
// continue them are Group 1, as the XMP section makes them.
void AddPicture(TCatalog& catalog, const std::string& file, const Sections& sections) {
  TMetaSections model;
  for (const auto& [kind, rows] : sections) {
    TMetaSection& section =
        model.emplace_back(TMetaSection{.Kind = kind, .ShowsPlaceholder = rows.empty()});
    int16_t group = 0;
    for (const auto& [caption, value] : rows) {
      if (kind == kXmp && !caption.empty()) group = caption.find(':') == std::string::npos ? 0 : 1;
      section.Rows.push_back({.Group = group, .Caption = caption, .Value = value});
    }
  }
  catalog.AddSections(file, "/f", model);
}

std::vector<std::string> Lines(const TCatalog& catalog) {
  std::vector<std::string> lines;
  auto join = [](const auto& cells) {
    std::string line;
    for (const auto& cell : cells) line += std::string(cell) + ";";
    return line;
  };
  lines.push_back(join(catalog.Titles()));
  std::vector<std::string_view> cells;
  for (std::size_t row = 0; row < catalog.RowCount(); ++row) {
    catalog.RowCells(row, cells);
    lines.push_back(join(cells));
  }
  return lines;
}

TEST(Catalog, OneRowPerPictureAndOneColumnPerCaption) {
  struct Case {
    const char* rule;
    std::vector<Sections> pictures;
    std::vector<std::string> lines;
  } cases[] = {
      {"first appearance, section by section",
       {{{kComment, {}}, {kIptc, {}}, {kStandard, {{"Modell", "X"}}}},
        {{kComment, {{"Text", "hi"}}},
         {kIptc, {{"Titel", "T"}}},
         {kStandard, {{"Blende", "F2,8"}, {"Modell", "Y"}}}}},
       {"Datei;Ordner;Text;Titel;Modell;Blende;", "a.jpg;/f;;;X;;", "b.jpg;/f;hi;T;Y;F2,8;"}},
      {"a caption in two sections carries its section",
       {{{kComment, {{"Text", "c"}}}, {kIptc, {{"Text", "i"}, {"Ort", "o"}}}}},
       {"Datei;Ordner;Text (Kommentar);Text (IPTC-Daten);Ort;", "a.jpg;/f;c;i;o;"}},
      {"repeated captions and continuation rows are joined; nothing continues across sections",
       {{{kComment, {{"Text", "one"}, {"", ""}, {"", "three"}}},
         {kIptc, {{"", "lost"}, {"Stichwort", "a"}, {"Ort", "o"}, {"Stichwort", "b"}}}}},
       {"Datei;Ordner;Text;Stichwort;Ort;", "a.jpg;/f;one |  | three;a | b;o;"}},
      {"XMP: captioned properties only, after the EXIF sections",
       {{{kXmp, {{"Ort", "x"}, {"crs:Exposure2012", "+0.5"}, {"", "more"}, {"Bewertung", "3"}}},
         {kIptc, {{"Ort", "o"}}}}},
       {"Datei;Ordner;Ort (IPTC-Daten);Ort (XMP-Daten);Bewertung;", "a.jpg;/f;o;x;3;"}},
  };
  for (const Case& c : cases) {
    TCatalog catalog;
    char name = 'a';
    for (const Sections& picture : c.pictures) {
      AddPicture(catalog, std::string(1, name++) + ".jpg", picture);
    }
    EXPECT_EQ(Lines(catalog), c.lines) << c.rule;
  }
}

TEST(Catalog, GivesAnUnreadablePictureItsRowWithTheReasonAndGoesOn) {
  test::TempDir dir;
  const std::string good = dir.Write("good.jpg", test::JpegBuilder().Comment("ok").Bytes());
  TCatalogReader reader;
  reader.Add(dir.Path() + "/gone.jpg");
  reader.Add(good);
  const std::vector<std::string> lines = Lines(reader.Catalog());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Datei;Ordner;Fehler;Text;");
  EXPECT_EQ(lines[1], "gone.jpg;" + dir.Path() + ";Datei nicht gefunden;;");
  EXPECT_EQ(lines[2], "good.jpg;" + dir.Path() + ";;ok;");
}

TEST(CatalogCsv, QuotesWhatNeedsItAndDisarmsFormulas) {
  struct Case {
    std::string field;
    char separator;
    std::string written;
  } cases[] = {
      {"plain 1/125", ';', "plain 1/125"},
      {"F2,8", ';', "F2,8"},
      {"F2,8", ',', "\"F2,8\""},
      {"a;b", ';', "\"a;b\""},
      {"say \"hi\"", ';', "\"say \"\"hi\"\"\""},
      {"tab\there", '\t', "\"tab\there\""},
      {"tab\there", ';', "tab\there"},
      // Control characters but TAB never reach a cell.
      {"two\r\nlines", ';', "two..lines"},
      {"lone\rcr", '\t', "lone.cr"},
      {std::string("nul\0bel\a", 8), ';', "nul.bel."},
      // What a spreadsheet would take for a formula is text behind an apostrophe.
      {"=HYPERLINK(\"http://x\")", ';', "\"'=HYPERLINK(\"\"http://x\"\")\""},
      {"+cmd|' /C calc'!A0", ';', "\"'+cmd|' /C calc'!A0\""},
      {"@SUM(A1)", ';', "\"'@SUM(A1)\""},
      {"-cmd", ';', "\"'-cmd\""},
      {"-", ';', "\"'-\""},
      {"\t=1", ';', "\"'\t=1\""},
      {"\r=1", ';', "\"'.=1\""},
      {"-2/3", ';', "-2/3"},
      {"a=b", ';', "a=b"},
  };
  for (const Case& c : cases) {
    std::string line;
    AppendCsvField(line, c.field, c.separator);
    EXPECT_EQ(line, c.written) << c.field;
  }
}

TEST(CatalogCsv, WritesTheUtf8TextsWithByteOrderMarkAndCrLf) {
  TCatalog catalog;
  AddPicture(catalog,
             "Gr\xC3\xBC\xC3\x9F"
             "e.jpg",
             {{kComment,
               {{"Text",
                 "\xC5\x81\xC3\xB3"
                 "d\xC5\xBA;y"}}}});
  std::string csv;
  WriteCatalogCsv(catalog, kDefaultCsvSeparator, [&csv](std::string_view piece) { csv += piece; });
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF"
            "Datei;Ordner;Text\r\n"
            "Gr\xC3\xBC\xC3\x9F"
            "e.jpg;/f;\"\xC5\x81\xC3\xB3"
            "d\xC5\xBA;y\"\r\n");
}

}  // namespace
}  // namespace pixolyn
