#include "export/WorkbookJob.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "FakeWorkbookServer.h"
#include "FileBytes.h"
#include "export/ExportMessages.h"
#include "export/WorkbookFormat.h"
#include "fixtures/JpegBuilder.h"

namespace pixolyn {
namespace {

using Calls = std::vector<std::string>;

const std::string kTitle = "Metainfo f\xFCr x.jpg";

TCellArray NineRows() {
  TCellArray cells(9);
  cells[0] = {" Feldbezeichnung", " Dateninhalte"};
  return cells;
}

class WorkbookJob : public ::testing::Test {
 protected:
  TJobResult Run() { return RunWorkbookJob(server, job); }
  // An existing file whose bytes pass for a workbook.
  void MakeExistingWorkbook() { dir.Write("book.xls", std::string(kOle2Signature) + "rest"); }

  test::TempDir dir;
  test::FakeWorkbookServer server;
  TWorkbookJob job{.FileName = dir.Path() + "/book.xls", .Title = kTitle, .Cells = NineRows()};
};

TEST_F(WorkbookJob, WritesANewWorkbookIntoAnAddedSheetFromA1) {
  const TJobResult result = Run();
  EXPECT_EQ(result.Status, TJobStatus::Saved);
  EXPECT_EQ(result.Message, "");
  EXPECT_EQ(server.Calls, (Calls{"Connect", "New", "SheetCount", "SheetName 1",
                                 "AddSheet " + kTitle, "SheetCount", "RemoveSheet 1",
                                 "SetRangeValues 1 A1:B9", "SaveAs " + job.FileName, "Close"}));
  EXPECT_EQ(server.Written, job.Cells);
  EXPECT_EQ(server.Sheets, std::vector<std::string>{kTitle});
}

TEST_F(WorkbookJob, TellsAnOfficeItStartedToQuitAfterClosing) {
  server.StartsOffice = true;
  EXPECT_EQ(Run().Status, TJobStatus::Saved);
  ASSERT_GE(server.Calls.size(), 2u);
  EXPECT_EQ(server.Calls.end()[-2], "Close");
  EXPECT_EQ(server.Calls.back(), "Quit");
}

TEST_F(WorkbookJob, OverwritesTheLastSheetOfTheTitleInAnExistingWorkbook) {
  MakeExistingWorkbook();
  server.Sheets = {"Sheet1", kTitle, "other", kTitle};
  EXPECT_EQ(Run().Status, TJobStatus::Saved);
  EXPECT_EQ(server.Calls, (Calls{"Connect", "Open " + job.FileName, "SheetCount", "SheetName 1",
                                 "SheetName 2", "SheetName 3", "SheetName 4",
                                 "SetRangeValues 4 A1:B9", "SaveAs " + job.FileName, "Close"}));
}

TEST_F(WorkbookJob, FindsTheSheetByTheNameTheFormatKeeps) {
  const std::string title = "Metainfo f\xFCr Ein_sehr_langer_Bildname_P1.jpg";
  const std::string cut = title.substr(0, 31);
  const struct {
    const char* name;
    std::string sheet;  // in the workbook
    std::string call;   // that fills the sheet found or adds one
  } cases[] = {
      {"a.xlsx", cut, "SetRangeValues 1 A1:B9"},  {"b.xlsx", "Sheet1", "AddSheet " + cut},
      {"a.xls", title, "SetRangeValues 1 A1:B9"}, {"b.xls", cut, "AddSheet " + title},
      {"a.ods", title, "SetRangeValues 1 A1:B9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    job.FileName = dir.Write(c.name, std::string(WorkbookFormatOf(c.name).Signature));
    job.Title = title;
    server.Calls.clear();
    server.Sheets = {c.sheet};
    server.OpenAnswer->FilterName = WorkbookFormatOf(c.name).FilterName;
    EXPECT_EQ(Run().Status, TJobStatus::Saved);
    EXPECT_EQ(std::ranges::count(server.Calls, c.call), 1);
  }
}

TEST_F(WorkbookJob, PassesANameWithoutExtensionUnchanged) {
  job.FileName = dir.Path() + "/book";
  EXPECT_EQ(Run().Status, TJobStatus::Saved);
  EXPECT_EQ(server.Calls.end()[-2], "SaveAs " + job.FileName);
}

TEST_F(WorkbookJob, SavesAnEmptyGridWithoutFillingARange) {
  job.Cells.clear();
  EXPECT_EQ(Run().Status, TJobStatus::Saved);
  for (const std::string& call : server.Calls) EXPECT_FALSE(call.starts_with("SetRangeValues"));
}

TEST_F(WorkbookJob, ReportsAMissingServerWithoutFurtherCalls) {
  server.Available = false;
  const TJobResult result = Run();
  EXPECT_EQ(result.Status, TJobStatus::NoServer);
  EXPECT_EQ(result.Message, NoServerMessage());
  EXPECT_EQ(server.Calls, Calls{"Connect"});
}

TEST_F(WorkbookJob, RefusesASheetNameDifferingOnlyInCase) {
  MakeExistingWorkbook();
  server.StartsOffice = true;
  server.Sheets = {"METAINFO F\xDCR X.JPG"};
  const TJobResult result = Run();
  EXPECT_EQ(result.Status, TJobStatus::Failed);
  EXPECT_EQ(result.Message, SheetNameTakenMessage(kTitle, "METAINFO F\xDCR X.JPG"));
  EXPECT_EQ(server.Calls, (Calls{"Connect", "Open " + job.FileName, "SheetCount", "SheetName 1",
                                 "Close", "Quit"}));
}

TEST_F(WorkbookJob, RefusesATitleTheServerWouldNotTakeBeforeTouchingTheSheets) {
  job.Title = "Metainfo f\xFCr a[1].jpg";
  const TJobResult result = Run();
  EXPECT_EQ(result.Status, TJobStatus::Failed);
  EXPECT_EQ(result.Message, ForbiddenSheetCharacterMessage(job.Title, '['));
  EXPECT_EQ(server.Calls, (Calls{"Connect", "New", "Close"}));
}

TEST_F(WorkbookJob, LeavesFilesThatAreNoWorkbooksUntouched) {
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {
      {"text", "Kamerahersteller\tCanon\r\n"},
      {"png", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
      {"xlsx", std::string("PK\x03\x04\x14\0\x06\0", 8) + "[Content_Types].xml"},
      {"empty", ""},
      {"short signature", std::string(kOle2Signature.substr(0, 7))},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    server.Calls.clear();
    server.StartsOffice = true;
    dir.Write("book.xls", file.bytes);
    const TJobResult result = Run();
    EXPECT_EQ(result.Status, TJobStatus::Failed);
    EXPECT_EQ(result.Message, NotAWorkbookMessage(job.FileName));
    EXPECT_EQ(server.Calls, (Calls{"Connect", "Quit"}));
    EXPECT_EQ(test::FileBytes(job.FileName), file.bytes);
  }
}

TEST_F(WorkbookJob, ChoosesTheFormatByExtensionAndRefusesWhatItCannotHold) {
  const struct {
    const char* name;
    std::size_t columns;
    std::size_t rows;
    const char* filter;  // empty when the job is refused
  } cases[] = {
      {"a.xlsx", 3, 2, "Calc MS Excel 2007 XML"},
      {"a.ODS", 3, 2, "calc8"},
      {"a.xls", 256, 65536, "MS Excel 97"},
      {"a", 2, 2, "MS Excel 97"},
      {"a.xls", 257, 2, ""},
      {"a.xls", 2, 65537, ""},
      {"a.xlsx", 1025, 2, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.columns) + "x" +
                 std::to_string(c.rows));
    server.Calls.clear();
    server.Filter.clear();
    job.FileName = dir.Path() + "/" + c.name;
    job.Cells.assign(c.rows, {});
    job.Cells.front().assign(c.columns, "x");
    const TJobResult result = Run();
    EXPECT_EQ(server.Filter, c.filter);
    EXPECT_EQ(result.Status, *c.filter ? TJobStatus::Saved : TJobStatus::Failed);
    if (!*c.filter) {
      EXPECT_TRUE(server.Calls.empty());  // not even the office is asked
    }
  }
}

TEST_F(WorkbookJob, EmptiesAnExistingSheetBeforeReplacingIt) {
  MakeExistingWorkbook();
  server.Sheets = {"Katalog", "other"};
  job.Title = "Katalog";
  job.ReplaceSheet = true;
  EXPECT_EQ(Run().Status, TJobStatus::Saved);
  EXPECT_EQ(server.Calls,
            (Calls{"Connect", "Open " + job.FileName, "SheetCount", "SheetName 1", "SheetName 2",
                   "ClearSheet 1", "SetRangeValues 1 A1:B9", "SaveAs " + job.FileName, "Close"}));
}

TEST_F(WorkbookJob, RefusesAFolderNamedLikeAWorkbook) {
  std::filesystem::create_directory(job.FileName);
  const TJobResult result = Run();
  EXPECT_EQ(result.Status, TJobStatus::Failed);
  EXPECT_EQ(server.Calls, Calls{"Connect"});
}

TEST_F(WorkbookJob, LeavesAWorkbookTheServerCannotWriteBackUnsaved) {
  const struct {
    const char* name;
    std::optional<TOpenedWorkbook> answer;
    bool opens;
    std::string message;
  } cases[] = {
      {"not loaded", std::nullopt, false, NotOpenableMessage(job.FileName)},
      {"other filter", TOpenedWorkbook{.FilterName = "Text - txt - csv (StarCalc)"}, true,
       NotOpenableMessage(job.FileName)},
      {"read-only", TOpenedWorkbook{.FilterName = "MS Excel 97", .ReadOnly = true}, true,
       ReadOnlyMessage(job.FileName)},
  };
  MakeExistingWorkbook();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    server.Calls.clear();
    server.OpenAnswer = c.answer;
    const TJobResult result = Run();
    EXPECT_EQ(result.Status, TJobStatus::Failed);
    EXPECT_EQ(result.Message, c.message);
    Calls expected{"Connect", "Open " + job.FileName};
    if (c.opens) expected.push_back("Close");
    EXPECT_EQ(server.Calls, expected);
  }
}

TEST_F(WorkbookJob, TakesAServerFailureWhileOpeningAsNotOpenable) {
  MakeExistingWorkbook();
  server.FailingCall = "Open";
  EXPECT_EQ(Run().Message, NotOpenableMessage(job.FileName));
}

TEST_F(WorkbookJob, ReportsAWorkbookThatCannotBeCreated) {
  server.StartsOffice = true;
  for (const bool throws : {false, true}) {
    server.Calls.clear();
    server.NewAnswer = false;
    server.FailingCall = throws ? "New" : "";
    const TJobResult result = Run();
    EXPECT_EQ(result.Status, TJobStatus::Failed);
    EXPECT_EQ(result.Message, NoNewWorkbookMessage());
    EXPECT_EQ(server.Calls, (Calls{"Connect", "New", "Quit"}));
  }
}

TEST_F(WorkbookJob, ClosesUnsavedAndQuitsAfterAServerFailureInTheSheetSteps) {
  server.StartsOffice = true;
  for (const char* failing : {"SheetCount", "SheetName", "AddSheet", "SetRangeValues"}) {
    SCOPED_TRACE(failing);
    server.Calls.clear();
    server.Sheets = {"Sheet1"};
    server.FailingCall = failing;
    const TJobResult result = Run();
    EXPECT_EQ(result.Status, TJobStatus::Failed);
    EXPECT_EQ(result.Message, ServerFailureMessage("boom"));
    ASSERT_GE(server.Calls.size(), 3u);
    EXPECT_TRUE(server.Calls.end()[-3].starts_with(failing));
    EXPECT_EQ(server.Calls.end()[-2], "Close");
    EXPECT_EQ(server.Calls.back(), "Quit");
  }
}

TEST_F(WorkbookJob, ReportsAFailedSaveWithTheReason) {
  for (const bool existing : {false, true}) {
    SCOPED_TRACE(existing);
    if (existing) MakeExistingWorkbook();
    server.Calls.clear();
    server.FailingCall = "SaveAs";
    const TJobResult result = Run();
    EXPECT_EQ(result.Status, TJobStatus::Failed);
    EXPECT_EQ(result.Message, SaveFailedMessage(job.FileName, "boom"));
    EXPECT_EQ(server.Calls.back(), "Close");
  }
}

TEST_F(WorkbookJob, DoesNotLetTheServerCreateAMissingFolder) {
  job.FileName = dir.Path() + "/no/such/folder/book.xls";
  const TJobResult result = Run();
  EXPECT_EQ(result.Status, TJobStatus::Failed);
  EXPECT_EQ(result.Message, SaveFailedMessage(job.FileName, kMissingFolder));
  for (const std::string& call : server.Calls) EXPECT_FALSE(call.starts_with("SaveAs"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/no"));
}

TEST_F(WorkbookJob, NamesAnUnreadableFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  MakeExistingWorkbook();
  ::chmod(job.FileName.c_str(), 0);
  const TJobResult result = Run();
  EXPECT_EQ(result.Status, TJobStatus::Failed);
  EXPECT_NE(result.Message.find(job.FileName), std::string::npos);
  EXPECT_EQ(server.Calls, Calls{"Connect"});
}

TEST_F(WorkbookJob, RefusesAPipeNamedLikeAWorkbookWithoutWaitingOnIt) {
  ASSERT_EQ(::mkfifo(job.FileName.c_str(), 0600), 0);
  const TJobResult result = Run();
  EXPECT_EQ(result.Status, TJobStatus::Failed);
  EXPECT_NE(result.Message.find("(keine gew\xF6hnliche Datei)"), std::string::npos);
  EXPECT_EQ(server.Calls, Calls{"Connect"});
}

}  // namespace
}  // namespace pixolyn
