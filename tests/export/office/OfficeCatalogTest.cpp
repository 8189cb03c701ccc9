// Catalogues written by pixolyn-info into each workbook format of the real
// office, read back.

#include <gtest/gtest.h>

#include "OfficeFixture.h"
#include "export/CatalogExport.h"
#include "fixtures/JpegBuilder.h"
#include "table/CatalogReader.h"

namespace pixolyn {
namespace {

class OfficeCatalog : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string problem = test::WorkbookReaderProblem(); !problem.empty()) {
      GTEST_SKIP() << problem;
    }
    // Texts a spreadsheet would like to turn into numbers, dates or formulas stay text.
    Picture("a.jpg",
            "Gr\xFC\xDF"
            "e\r\n=1+1");
    Picture("b.jpg", "0012");
    // A name beyond Windows-1252 reaches the sheet whole.
    Picture(
        "c-\xC5\x81\xC3\xB3"
        "d\xC5\xBA.jpg",
        "12.03.2024");
  }

  std::string Picture(const std::string& name, const std::string& comment) {
    const std::string path = pictures.Write(name, test::JpegBuilder().Comment(comment).Bytes());
    paths.push_back(path);
    return path;
  }

  // The catalogue of the pictures as the sheet must hold it, in UTF-8.
  std::vector<std::vector<std::string>> Expected() const {
    TCatalogReader reader;
    for (const std::string& path : paths) reader.Add(path);
    std::vector<std::vector<std::string>> rows;
    for (const auto& cells : CatalogCells(reader.Catalog())) {
      rows.push_back(cells);
    }
    return rows;
  }

  test::TempDir pictures;
  test::TempDir dir;
  std::vector<std::string> paths;
};

TEST_F(OfficeCatalog, WritesTheSheetKatalogInEachFormat) {
  for (const char* extension : {".xls", ".xlsx", ".ods"}) {
    SCOPED_TRACE(extension);
    const std::string book = dir.Path() + "/Katalog" + extension;
    const test::CommandResult written = test::RunInfo({"--catalog", book, pictures.Path()});
    ASSERT_EQ(written.Status, 0) << written.Err;
    const test::Workbook workbook = test::ReadWorkbook(book);
    EXPECT_EQ(workbook.Biff, std::string(extension) == ".xls" ? 80 : 0);
    const test::Workbook::Sheet* sheet = workbook.Find("Katalog");
    ASSERT_NE(sheet, nullptr);
    test::ExpectSheetHolds(*sheet, Expected());
  }
}

TEST_F(OfficeCatalog, ReplacesAnEarlierCatalogueWholeAndKeepsTheOtherSheets) {
  const std::string book = dir.Path() + "/Bilder.xlsx";
  ASSERT_EQ(test::RunInfo({"--catalog", book, pictures.Path()}).Status, 0);
  const test::CommandResult single = test::RunInfo({"--xls", book, paths[0]});
  ASSERT_EQ(single.Status, 0) << single.Err;
  paths.resize(1);
  ASSERT_EQ(test::RunInfo({"--catalog", book, paths[0]}).Status, 0);

  const test::Workbook workbook = test::ReadWorkbook(book);
  ASSERT_NE(workbook.Find("Metainfo f\xC3\xBCr a.jpg"), nullptr);
  const test::Workbook::Sheet* sheet = workbook.Find("Katalog");
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->Rows.size(), 2u);
  test::ExpectSheetHolds(*sheet, Expected());
}

TEST_F(OfficeCatalog, ACsvCellThatWouldBeAFormulaOpensAsText) {
  paths = {Picture("f.jpg", "=HYPERLINK(\"http://x\")")};
  const std::string csv = dir.Path() + "/Katalog.csv";
  ASSERT_EQ(test::RunInfo({"--catalog", csv, paths[0]}).Status, 0);
  const test::Workbook workbook = test::ReadWorkbook(test::CsvOpenedAsOds(csv));
  ASSERT_EQ(workbook.Sheets.size(), 1u);
  const auto& rows = workbook.Sheets[0].Rows;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].back(),
            (std::pair<std::string, std::string>{"text", "'=HYPERLINK(\"http://x\")"}));
}

}  // namespace
}  // namespace pixolyn
