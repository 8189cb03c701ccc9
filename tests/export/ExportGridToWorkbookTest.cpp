#include "export/ExportGridToWorkbook.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "FileBytes.h"
#include "export/ExportMessages.h"
#include "support/TestFiles.h"

namespace pixolyn {
namespace {

using Events = std::vector<std::string>;

class ExportGrid : public ::testing::Test {
 protected:
  // In a folder of its own: the export makes relative names absolute and writes there.
  ExportGrid() : home_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir.Path());
    grid.SetRowCount(2);
    grid.SetCell(0, 0, "  Kommentar");
    grid.SetCell(1, 0, "lone\rcr");
    grid.SetCell(0, 1, "\r\r");
  }
  ~ExportGrid() override { std::filesystem::current_path(home_); }

  TExportCursor Cursor() {
    return {.ShowHourglass = [this] { events.push_back("hourglass"); },
            .ShowArrow = [this] { events.push_back("arrow"); },
            .Restore = [this] { events.push_back("restore"); }};
  }

  // Runs the export against a runner that answers with result.
  std::string Export(const TJobResult& result) {
    try {
      ExportGridToWorkbook(grid, "out.xls", "Metainfo f\xFCr ", Cursor(),
                           [&](const TWorkbookJob& job) {
                             events.push_back("job");
                             seen = job;
                             return result;
                           });
    } catch (const TExportError& e) {
      return e.what();
    }
    return "saved";
  }

  std::filesystem::path home_;
  test::TempDir dir;
  TMetaTable grid;
  Events events;
  TWorkbookJob seen;
};

TEST_F(ExportGrid, HandsTheWholeGridWithoutCarriageReturnsToTheServer) {
  EXPECT_EQ(Export({TJobStatus::Saved, ""}), "saved");
  char cwd[4096];
  ASSERT_NE(::getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(seen.FileName, std::string(cwd) + "/out.xls");
  EXPECT_EQ(seen.Title, "Metainfo f\xFCr ");
  EXPECT_EQ(seen.Cells, (TCellArray{{"  Kommentar", "lonecr"}, {"", ""}}));
}

TEST_F(ExportGrid, ShowsTheHourglassWhileItRunsAndRestoresTheCursor) {
  EXPECT_EQ(Export({TJobStatus::Saved, ""}), "saved");
  EXPECT_EQ(events, (Events{"hourglass", "job", "restore"}));
}

TEST_F(ExportGrid, LeavesTheArrowWhenThereIsNoServer) {
  EXPECT_EQ(Export({TJobStatus::NoServer, std::string(kServerNotFound)}),
            "Excel OLE server not found");
  EXPECT_EQ(events, (Events{"hourglass", "job", "arrow"}));
}

TEST_F(ExportGrid, RestoresTheCursorAndRaisesTheMessageOfAFailure) {
  EXPECT_EQ(Export({TJobStatus::Failed, "Die Datei ..."}), "Die Datei ...");
  EXPECT_EQ(events, (Events{"hourglass", "job", "restore"}));
}

TEST_F(ExportGrid, RestoresTheCursorWhenTheRunnerThrows) {
  EXPECT_THROW(
      ExportGridToWorkbook(grid, "out.xls", "t", Cursor(),
                           [](const TWorkbookJob&) -> TJobResult { throw std::bad_alloc(); }),
      std::bad_alloc);
  EXPECT_EQ(events, (Events{"hourglass", "restore"}));
}

TEST_F(ExportGrid, ReplacesTheWorkbookOnlyWithAWholeSavedOne) {
  for (const bool cancel : {false, true}) {
    const std::string book = dir.Write("book.xls", "old");
    const auto saveInto = [&](const TWorkbookJob& job) {
      EXPECT_EQ(std::filesystem::path(job.SaveTo).parent_path(), dir.Path());
      dir.Write(std::filesystem::path(job.SaveTo).filename(), "new");
      return TJobResult{TJobStatus::Saved, ""};
    };
    EXPECT_EQ(ExportGridToWorkbook(grid, book, "t", {}, saveInto, [&] { return cancel; }), !cancel);
    EXPECT_EQ(test::FileBytes(book), cancel ? "old" : "new");
    // Nothing but the workbook is left in its folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
  }
}

TEST_F(ExportGrid, RunsWithoutCursorHooks) {
  EXPECT_NO_THROW(ExportGridToWorkbook(grid, "out.xls", "t", {}, [](const TWorkbookJob&) {
    return TJobResult{TJobStatus::Saved, ""};
  }));
}

}  // namespace
}  // namespace pixolyn
