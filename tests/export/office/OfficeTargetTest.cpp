// What an export does to an existing file: a document that is no workbook of
// its extension's format stays as it was, a killed write leaves the old
// workbook, and a long-named picture's .xlsx sheet is found again.

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "OfficeFixture.h"
#include "export/ExportMessages.h"
#include "export/OfficeLock.h"
#include "export/WorkbookFormat.h"
#include "fixtures/JpegBuilder.h"
#include "metadata/Cp1252.h"

namespace pixolyn {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class OfficeTarget : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string problem = test::WorkbookReaderProblem(); !problem.empty()) {
      GTEST_SKIP() << problem;
    }
  }
  std::string Picture(const std::string& name) {
    return dir.Write(name, test::JpegBuilder().Comment(name).StartOfScan().Bytes());
  }
  std::size_t FilesInDir() const { return std::distance(fs::directory_iterator(dir.Path()), {}); }

  test::TempDir dir;
  std::string picture = Picture("Ein_sehr_langer_Bildname_P1.jpg");
};

TEST_F(OfficeTarget, RefusesDocumentsNamedLikeWorkbooksAndLeavesThemUnchanged) {
  for (const auto& [document, option, name] : {std::tuple{"Brief.odt", "--xls", "Brief.ods"},
                                               {"Brief.docx", "--xls", "Brief.xlsx"},
                                               {"Brief.odt", "--catalog", "Katalog.ods"}}) {
    SCOPED_TRACE(name);
    const std::string file = dir.Path() + "/" + name;
    fs::copy_file(std::string(PIXOLYN_TEST_DATA_DIR "/documents/") + document, file);
    const std::string bytes = test::FileBytes(file);
    const test::CommandResult result = test::RunInfo({option, file, picture});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, "pixolyn-info: " +
                              Cp1252ToUtf8(NotOpenableMessage(file, WorkbookFormatOf(file).Kind)) +
                              "\n");
    EXPECT_EQ(test::FileBytes(file), bytes);
    EXPECT_EQ(FilesInDir(), 2u);  // no temporary or lock file left
    fs::remove(file);
  }
}

TEST_F(OfficeTarget, FindsTheSheetOfALongNamedPictureAgainInAnXlsxWorkbook) {
  const std::string book = dir.Path() + "/Bilder.xlsx";
  for (int time = 0; time < 3; ++time) ASSERT_EQ(test::RunInfo({"--xls", book, picture}).Status, 0);
  const test::Workbook workbook = test::ReadWorkbook(book);
  ASSERT_EQ(workbook.Sheets.size(), 1u);
  EXPECT_EQ(workbook.Sheets[0].Name, Cp1252ToUtf8("Metainfo f\xFCr Ein_sehr_langer_Bi"));
}

TEST_F(OfficeTarget, AKilledExportLeavesTheOldWorkbook) {
  const std::string book = dir.Path() + "/Bilder.xlsx";
  ASSERT_EQ(test::RunInfo({"--xls", book, picture}).Status, 0);
  const std::string bytes = test::FileBytes(book);
  std::optional<TChildProcess> exporting =
      TChildProcess::Start({PIXOLYN_INFO_EXE, "--xls", book, Picture("b.jpg")});
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
