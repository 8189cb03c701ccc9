// Exports into a real LibreOffice that the tests share, read back by xlrd.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>

#include "OfficeFixture.h"
#include "export/ExportGridToWorkbook.h"
#include "export/ExportMessages.h"
#include "export/ExportTitle.h"
#include "export/OfficeLock.h"
#include "export/WorkbookFormat.h"
#include "fixtures/JpegBuilder.h"
#include "metadata/Cp1252.h"
#include "table/GridText.h"
#include "table/MetaInfo.h"

namespace pixolyn {
namespace {

using test::ExpectSheetHolds;
using test::Workbook;
using namespace std::chrono_literals;

// The rows pixolyn-info prints for a picture, split into their two cells.
std::vector<std::vector<std::string>> PrintedRows(const std::string& picture) {
  const test::CommandResult printed = test::RunInfo({picture});
  std::vector<std::vector<std::string>> rows;
  std::size_t start = 0;
  while (start < printed.Out.size()) {
    const std::size_t end = printed.Out.find('\n', start);
    const std::string line = printed.Out.substr(start, end - start);
    const std::size_t tab = line.find('\t');
    rows.push_back({line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
    start = end == std::string::npos ? printed.Out.size() : end + 1;
  }
  return rows;
}

TMetaTable EmptyTable() {
  TMetaTable grid;
  TIntArray sections;
  ShowMetaInfo(grid, nullptr, sections);
  return grid;
}

class OfficeExport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string problem = test::WorkbookReaderProblem(); !problem.empty()) {
      GTEST_SKIP() << problem;
    }
  }

  // The export message, or empty when it saved.
  static std::string Export(const TMetaTable& grid, const std::string& file,
                            const std::string& title) {
    try {
      ExportGridToWorkbook(grid, file, title);
    } catch (const TExportError& e) {
      return e.what();
    }
    return {};
  }

  std::string Picture(const std::string& name) {
    const std::string corpus = test::CorpusDir();
    if (corpus.empty()) return {};
    return corpus + "/" + name;
  }

  std::size_t FilesInDir() const {
    return std::distance(std::filesystem::directory_iterator(dir.Path()), {});
  }

  test::TempDir dir;
  std::string book = dir.Path() + "/Metainfo.xls";
  std::string longNamed = dir.Write("Ein_sehr_langer_Bildname_P1.jpg",
                                    test::JpegBuilder().Comment("x").StartOfScan().Bytes());
};

TEST_F(OfficeExport, WritesAPicturesTableIntoItsSheetFromA1) {
  const std::string canon = Picture("Canon.jpg");
  if (canon.empty()) GTEST_SKIP() << "sample pictures not found (../shared/corpus absent)";
  const test::CommandResult written = test::RunInfo({"--xls", book, canon});
  ASSERT_EQ(written.Status, 0) << written.Err;
  EXPECT_EQ(written.Out, "");

  EXPECT_EQ(test::FileBytes(book).substr(0, 8), kOle2Signature);
  const Workbook workbook = test::ReadWorkbook(book);
  EXPECT_EQ(workbook.Biff, 80);
  const Workbook::Sheet* sheet = workbook.Find("Metainfo f\xC3\xBCr Canon.jpg");
  ASSERT_NE(sheet, nullptr);
  const auto rows = PrintedRows(canon);
  ASSERT_GT(rows.size(), 20u);
  EXPECT_EQ(rows[8][0], "  Kamerahersteller");  // captions keep their two blanks
  ExpectSheetHolds(*sheet, rows);
}

TEST_F(OfficeExport, WritesTheEmptyTableIntoTheSheetWithTheTrailingBlank) {
  ASSERT_EQ(Export(EmptyTable(), book, ExportTitle("")), "");
  const Workbook workbook = test::ReadWorkbook(book);
  const Workbook::Sheet* sheet = workbook.Find("Metainfo f\xC3\xBCr ");
  ASSERT_NE(sheet, nullptr);
  ExpectSheetHolds(*sheet, test::ExpectedRows(EmptyTable()));
  EXPECT_EQ(sheet->Rows.size(), 12u);
  EXPECT_EQ(workbook.Sheets.size(), 1u);  // no empty default sheet beside it
}

TEST_F(OfficeExport, AddsASheetForASecondPictureAndKeepsTheFirst) {
  const std::string canon = Picture("Canon.jpg");
  const std::string fuji = Picture("FujiFilm.jpg");
  if (canon.empty()) GTEST_SKIP() << "sample pictures not found (../shared/corpus absent)";
  ASSERT_EQ(test::RunInfo({"--xls", book, canon}).Status, 0);
  const Workbook before = test::ReadWorkbook(book);
  ASSERT_EQ(test::RunInfo({"--xls", book, fuji}).Status, 0);

  const Workbook after = test::ReadWorkbook(book);
  EXPECT_EQ(after.Biff, 80);
  EXPECT_EQ(after.Sheets.size(), before.Sheets.size() + 1);
  const Workbook::Sheet* first = after.Find("Metainfo f\xC3\xBCr Canon.jpg");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Rows, before.Find("Metainfo f\xC3\xBCr Canon.jpg")->Rows);
  const Workbook::Sheet* second = after.Find("Metainfo f\xC3\xBCr FujiFilm.jpg");
  ASSERT_NE(second, nullptr);
  ExpectSheetHolds(*second, PrintedRows(fuji));
}

TEST_F(OfficeExport, OverwritesTheSheetOfTheSamePictureInPlace) {
  const std::string canon = Picture("Canon.jpg");
  if (canon.empty()) GTEST_SKIP() << "sample pictures not found (../shared/corpus absent)";
  ASSERT_EQ(test::RunInfo({"--xls", book, canon}).Status, 0);
  const Workbook before = test::ReadWorkbook(book);

  // The same title with a shorter table: its nine rows replace the first
  // nine, and the longer sheet keeps the rows below them.
  ASSERT_EQ(Export(EmptyTable(), book, ExportTitle(canon)), "");
  const Workbook after = test::ReadWorkbook(book);
  EXPECT_EQ(after.Sheets.size(), before.Sheets.size());
  const Workbook::Sheet* sheet = after.Find("Metainfo f\xC3\xBCr Canon.jpg");
  ASSERT_NE(sheet, nullptr);
  auto expected = PrintedRows(canon);
  const auto empty = test::ExpectedRows(EmptyTable());
  std::copy(empty.begin(), empty.end(), expected.begin());
  ExpectSheetHolds(*sheet, expected);
}

TEST_F(OfficeExport, LeavesFilesThatAreNoWorkbooksByteForByteUnchanged) {
  const std::string text = dir.Write("text.xls", "Kamerahersteller;Canon\r\n");
  const std::string png =
      dir.Write("picture.xls",
                std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\x08\x02\0\0\0", 29) +
                    std::string("\x90wS\xDE\0\0\0\0IEND\xAE\x42\x60\x82", 16));
  const std::string xlsx = dir.Path() + "/modern.xls";
  test::WriteXlsx(xlsx);
  // A compound file without a workbook stream: the signature passes, the import does not.
  ASSERT_EQ(Export(EmptyTable(), book, "Metainfo f\xFCr a.jpg"), "");
  std::string damaged = test::FileBytes(book);
  const std::string stream{"W\0o\0r\0k\0b\0o\0o\0k\0", 16};
  ASSERT_NE(damaged.find(stream), std::string::npos);
  damaged.replace(damaged.find(stream), stream.size(), std::string("X\0o\0r\0k\0b\0o\0o\0k\0", 16));
  const std::string broken = dir.Write("broken.xls", damaged);

  for (const std::string& file : {text, png, xlsx, broken}) {
    SCOPED_TRACE(file);
    const std::string bytes = test::FileBytes(file);
    const std::string message = Export(EmptyTable(), file, "Metainfo f\xFCr a.jpg");
    EXPECT_EQ(message, file == broken ? NotOpenableMessage(file) : NotAWorkbookMessage(file));
    EXPECT_EQ(test::FileBytes(file), bytes);
  }
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    EXPECT_FALSE(entry.path().filename().string().starts_with(".~lock")) << entry.path();
  }

  const test::CommandResult cli = test::RunInfo({"--xls", text, Picture("Canon.jpg")});
  if (!Picture("Canon.jpg").empty()) {
    EXPECT_EQ(cli.Status, 1);
    EXPECT_EQ(cli.Err, "pixolyn-info: " + Cp1252ToUtf8(NotAWorkbookMessage(text)) + "\n");
  }
}

TEST_F(OfficeExport, WritesACommentWithALoneCarriageReturnWithoutIt) {
  const std::string picture =
      dir.Write("cr.jpg", test::JpegBuilder().Comment("eins\rzwei").StartOfScan().Bytes());
  const test::CommandResult printed = test::RunInfo({"--crlf", picture});
  EXPECT_NE(printed.Out.find("\teins zwei\r\n"), std::string::npos) << printed.Out;

  ASSERT_EQ(test::RunInfo({"--xls", book, picture}).Status, 0);
  const Workbook workbook = test::ReadWorkbook(book);
  const Workbook::Sheet* sheet = workbook.Find("Metainfo f\xC3\xBCr cr.jpg");
  ASSERT_NE(sheet, nullptr);
  bool found = false;
  for (const auto& row : sheet->Rows)
    found = found || (row.size() > 1 && row[1].second == "einszwei");
  EXPECT_TRUE(found);
}

TEST_F(OfficeExport, RefusesATitleTheOfficeWouldNotTakeAndKeepsTheWorkbook) {
  ASSERT_EQ(Export(EmptyTable(), book, "Metainfo f\xFCr a.jpg"), "");
  const std::string bytes = test::FileBytes(book);
  for (const std::string title : {"Metainfo f\xFCr a[1].jpg", "METAINFO F\xDCR A.JPG"}) {
    SCOPED_TRACE(title);
    const std::string message = Export(EmptyTable(), book, title);
    EXPECT_NE(message.find("wird nicht angenommen"), std::string::npos) << message;
    EXPECT_EQ(test::FileBytes(book), bytes);
  }
}

TEST_F(OfficeExport, ReportsAFailedSaveWithTheReason) {
  const std::string message = Export(EmptyTable(), "/proc/book.xls", "Metainfo f\xFCr a.jpg");
  // No file can be made beside it, so the office is not even asked.
  EXPECT_EQ(message, SaveFailedMessage("/proc/book.xls", Utf8ToCp1252(std::strerror(ENOENT))));
}

TEST_F(OfficeExport, RefusesAWriteProtectedWorkbook) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write every file";
  ASSERT_EQ(Export(EmptyTable(), book, "Metainfo f\xFCr a.jpg"), "");
  std::filesystem::permissions(book, std::filesystem::perms::owner_read);
  const std::string bytes = test::FileBytes(book);
  EXPECT_EQ(Export(EmptyTable(), book, "Metainfo f\xFCr b.jpg"), ReadOnlyMessage(book));
  EXPECT_EQ(test::FileBytes(book), bytes);
}

TEST_F(OfficeExport, RefusesDocumentsNamedLikeWorkbooksAndLeavesThemUnchanged) {
  for (const auto& [document, option, name] : {std::tuple{"Brief.odt", "--xls", "Brief.ods"},
                                               {"Brief.docx", "--xls", "Brief.xlsx"},
                                               {"Brief.odt", "--catalog", "Katalog.ods"}}) {
    SCOPED_TRACE(name);
    const std::string file = dir.Path() + "/" + name;
    std::filesystem::copy_file(std::string(PIXOLYN_TEST_DATA_DIR "/documents/") + document, file);
    const std::string bytes = test::FileBytes(file);
    const test::CommandResult result = test::RunInfo({option, file, longNamed});
    EXPECT_EQ(result.Err, "pixolyn-info: " +
                              Cp1252ToUtf8(NotOpenableMessage(file, WorkbookFormatOf(file).Kind)) +
                              "\n");
    EXPECT_EQ(test::FileBytes(file), bytes);
    EXPECT_EQ(FilesInDir(), 2u);  // no temporary or lock file left
    std::filesystem::remove(file);
  }
}

TEST_F(OfficeExport, FindsTheSheetOfALongNamedPictureAgainInAnXlsxWorkbook) {
  const std::string xlsx = dir.Path() + "/Bilder.xlsx";
  for (int time = 0; time < 3; ++time)
    ASSERT_EQ(test::RunInfo({"--xls", xlsx, longNamed}).Status, 0);
  const Workbook workbook = test::ReadWorkbook(xlsx);
  ASSERT_EQ(workbook.Sheets.size(), 1u);
  EXPECT_EQ(workbook.Sheets[0].Name, Cp1252ToUtf8("Metainfo f\xFCr Ein_sehr_langer_Bi"));
}

TEST_F(OfficeExport, AKilledExportLeavesTheOldWorkbook) {
  ASSERT_EQ(test::RunInfo({"--xls", book, longNamed}).Status, 0);
  const std::string bytes = test::FileBytes(book);
  std::optional<TChildProcess> exporting =
      TChildProcess::Start({PIXOLYN_INFO_EXE, "--xls", book, longNamed});
  ASSERT_TRUE(exporting.has_value());
  // Killed once its temporary workbook is there, long before the office is done with it.
  while (FilesInDir() < 4 && !exporting->Ended()) std::this_thread::sleep_for(1ms);
  exporting->Kill();
  ASSERT_EQ(FilesInDir(), 4u) << "the export ended before it was killed";
  // The helper goes on alone; once it lets go of the office, it is done.
  ASSERT_TRUE(TOfficeLock::Acquire(UserOfficeInstance().LockFile, 2min).has_value());
  EXPECT_EQ(test::FileBytes(book), bytes);
}

}  // namespace
}  // namespace pixolyn
