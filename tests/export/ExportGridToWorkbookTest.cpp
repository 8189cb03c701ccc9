#include "export/ExportGridToWorkbook.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <stdexcept>

#include "export/ExportMessages.h"

namespace pixolyn {
namespace {

using Events = std::vector<std::string>;

class ExportGrid : public ::testing::Test {
 protected:
  ExportGrid() {
    grid.SetRowCount(2);
    grid.SetCell(0, 0, "  Kommentar");
    grid.SetCell(1, 0, "lone\rcr");
    grid.SetCell(0, 1, "\r\r");
  }

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

TEST_F(ExportGrid, RunsWithoutCursorHooks) {
  EXPECT_NO_THROW(ExportGridToWorkbook(grid, "out.xls", "t", {}, [](const TWorkbookJob&) {
    return TJobResult{TJobStatus::Saved, ""};
  }));
}

}  // namespace
}  // namespace pixolyn
