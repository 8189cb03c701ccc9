#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fixtures/IptcBuilder.h"
#include "fixtures/JpegBuilder.h"
#include "metadata/Regional.h"
#include "table/Catalog.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

using test::IptcDataset;

// The rows of the "IPTC-Daten" section as "caption|value".
std::vector<std::string> IptcSectionOf(const std::string& datasets) {
  std::unique_ptr<TImgData> image;
  LoadMetaInfoFromBytes("iptc.jpg", test::JpegWithIptc(datasets), image);
  TMetaTable grid;
  TIntArray sections;
  ShowMetaInfo(grid, image.get(), sections);
  std::vector<std::string> rows;
  for (int r = sections.at(1) + 1; r < sections.at(2) - 1; ++r) {
    rows.push_back(std::string(grid.Cell(0, r)) + "|" + std::string(grid.Cell(1, r)));
  }
  return rows;
}

class IptcRows : public testing::Test {};  // German settings

TEST_F(IptcRows, ShowsTwoByLinesAndTheCaptionWriterAsThreeAutorRows) {
  EXPECT_EQ(IptcSectionOf(IptcDataset(2, 80, "Anna") + IptcDataset(2, 25, "a") +
                          IptcDataset(2, 80, "Bert") + IptcDataset(2, 122, "Carl") +
                          IptcDataset(2, 25, "b")),
            (std::vector<std::string>{"  Autor|Anna", "  Schl\xC3\xBCsselw\xC3\xB6rter|a,b",
                                      "  Autor|Bert", "  Autor|Carl"}));
}

TEST_F(IptcRows, ShowsTheCreationDateInTheShortDateFormat) {
  struct Case {
    const char* stored;
    const char* shown;
  } cases[] = {
      {"20040315", "15.03.2004"},
      {"20041315", "30.12.1899"},  // a failed conversion shows the zero date
      {"2004-03-15", "30.12.1899"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IptcSectionOf(IptcDataset(2, 55, c.stored) + IptcDataset(2, 60, "134502")),
              (std::vector<std::string>{std::string("  Erstelldatum|") + c.shown,
                                        "  Erstellzeit|134502"}))
        << c.stored;
  }
}

TEST_F(IptcRows, ShowsThePlaceholderWhenTheRecordHoldsNothingWeKnow) {
  EXPECT_EQ(IptcSectionOf(IptcDataset(2, 0, std::string("\0\2", 2))),
            (std::vector<std::string>{"  - keine Daten vorhanden -|"}));
}

// A caption holding an EXIF dump: rows in the viewer, one column in the catalogue.
TEST_F(IptcRows, ACaptionOfManyLinesKeepsItsOwnColumnInTheCatalogue) {
  const std::string caption = "Make = Canon\r\n  Model = EOS \r\n\r\n1 2 3\r\nplain";
  const std::string datasets = IptcDataset(2, 120, caption) + IptcDataset(2, 90, "Bonn");
  EXPECT_EQ(IptcSectionOf(datasets),
            (std::vector<std::string>{"  Make|Canon", "  Model|EOS", "  plain|", "  Ort|Bonn"}));

  std::unique_ptr<TImgData> image;
  LoadMetaInfoFromBytes("iptc.jpg", test::JpegWithIptc(datasets), image);
  TCatalog catalog;
  catalog.AddSections("iptc.jpg", "/f", BuildSections(image.get()));
  EXPECT_EQ(catalog.Titles(),
            (std::vector<std::string>{"Datei", "Ordner", "Objektbeschreibung", "Ort"}));
  std::vector<std::string_view> cells;
  catalog.RowCells(0, cells);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[2], "Make = Canon | Model = EOS | 1 2 3 | plain");
  EXPECT_EQ(cells[3], "Bonn");
}

}  // namespace
}  // namespace pixolyn
