// What an export does to the file it is given: a document that is no
// workbook of its extension's format stays as it was, a write that is killed
// leaves the old workbook, and a picture's sheet is found again in .xlsx.

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "OfficeFixture.h"
#include "export/ChildProcess.h"
#include "export/ExportMessages.h"
#include "export/OfficeLock.h"
#include "export/WorkbookFormat.h"
#include "fixtures/JpegBuilder.h"
#include "metadata/Cp1252.h"

namespace pixolyn {
namespace {

using namespace std::chrono_literals;

class OfficeTarget : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string problem = test::WorkbookReaderProblem(); !problem.empty()) {
      GTEST_SKIP() << problem;
    }
  }

  std::string Picture(const std::string& name) {
    return pictures.Write(name, test::JpegBuilder().Comment(name).StartOfScan().Bytes());
  }

  // The names in the folder besides the given file.
  std::vector<std::string> Others(const std::string& file) const {
    std::vector<std::string> others;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
      if (entry.path() != file) others.push_back(entry.path().filename());
    }
    return others;
  }

  test::TempDir pictures;
  test::TempDir dir;
};

TEST_F(OfficeTarget, RefusesDocumentsNamedLikeWorkbooksAndLeavesThemUnchanged) {
  const std::string picture = Picture("a.jpg");
  for (const auto& [kind, name] : {std::pair{"odt", "Brief.ods"}, std::pair{"docx", "Brief.xlsx"},
                                   std::pair{"odt", "Katalog.ods"}}) {
    SCOPED_TRACE(name);
    const std::string file = dir.Path() + "/" + name;
    test::WriteDocument(kind, file);
    const std::string bytes = test::FileBytes(file);
    const bool catalogue = std::string(name).starts_with("Katalog");
    const test::CommandResult result =
        test::RunInfo({catalogue ? "--catalog" : "--xls", file, picture});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, "pixolyn-info: " +
                              Cp1252ToUtf8(NotOpenableMessage(file, WorkbookFormatOf(file).Kind)) +
                              "\n");
    EXPECT_EQ(test::FileBytes(file), bytes);
    EXPECT_EQ(Others(file), std::vector<std::string>());
    std::filesystem::remove(file);
  }
}

TEST_F(OfficeTarget, FindsTheSheetOfALongNamedPictureAgainInAnXlsxWorkbook) {
  const std::string picture = Picture("Ein_sehr_langer_Bildname_P1.jpg");
  const std::string book = dir.Path() + "/Bilder.xlsx";
  for (int time = 0; time < 3; ++time) {
    const test::CommandResult result = test::RunInfo({"--xls", book, picture});
    ASSERT_EQ(result.Status, 0) << result.Err;
  }
  const test::Workbook workbook = test::ReadWorkbook(book);
  ASSERT_EQ(workbook.Sheets.size(), 1u);
  EXPECT_EQ(workbook.Sheets[0].Name, Cp1252ToUtf8("Metainfo f\xFCr Ein_sehr_langer_Bi"));
}

TEST_F(OfficeTarget, AKilledExportLeavesTheOldWorkbook) {
  const std::string book = dir.Path() + "/Bilder.xlsx";
  ASSERT_EQ(test::RunInfo({"--xls", book, Picture("a.jpg")}).Status, 0);
  const std::string bytes = test::FileBytes(book);

  std::optional<TChildProcess> exporting =
      TChildProcess::Start({PIXOLYN_INFO_EXE, "--xls", book, Picture("b.jpg")});
  ASSERT_TRUE(exporting.has_value());
  // Killed once its temporary workbook is there, long before the office is done with it.
  while (Others(book).empty() && !exporting->Ended()) std::this_thread::sleep_for(1ms);
  exporting->Kill();
  ASSERT_EQ(Others(book).size(), 1u) << "the export ended before it was killed";
  // The helper goes on alone; once it lets go of the office, it is done.
  ASSERT_TRUE(TOfficeLock::Acquire(UserOfficeInstance().LockFile, 120s).has_value());
  EXPECT_EQ(test::FileBytes(book), bytes);
}

}  // namespace
}  // namespace pixolyn
