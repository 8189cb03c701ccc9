#include "export/ExportGridToWorkbook.h"

#include <utility>

#include "export/ReplacingFile.h"
#include "export/WorkbookHelper.h"
#include "table/GridText.h"

namespace pixolyn {

namespace {
void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

// Puts the cursor back on every way out; a missing server leaves the arrow.
class TCursorScope {
 public:
  explicit TCursorScope(const TExportCursor& cursor) : cursor_(cursor) {
    Call(cursor_.ShowHourglass);
  }
  ~TCursorScope() { Call(arrow_ ? cursor_.ShowArrow : cursor_.Restore); }
  TCursorScope(const TCursorScope&) = delete;
  TCursorScope& operator=(const TCursorScope&) = delete;
  void EndWithArrow() { arrow_ = true; }

 private:
  const TExportCursor& cursor_;
  bool arrow_ = false;
};

}  // namespace

TJobResult RunExportJob(TWorkbookJob job, const TJobRunner& runner, const TCancelled& cancelled) {
  try {
    TReplacingFile file(job.FileName);
    const std::string shownName = std::exchange(job.FileName, file.Target());
    job.SaveTo = file.TemporaryPath();
    TJobResult result = runner ? runner(job) : RunWorkbookHelper(FindWorkbookHelper(), job);
    if (result.Status != TJobStatus::Saved) return result;
    if (cancelled && cancelled()) return {TJobStatus::Cancelled, {}};
    file.Commit(shownName);
    return result;
  } catch (const TExportError& e) {
    return {TJobStatus::Failed, e.what()};
  }
}

TCellArray CellsForWorkbook(const TMetaTable& grid) {
  TCellArray cells(static_cast<std::size_t>(grid.RowCount()),
                   std::vector<std::string>(TMetaTable::kColumns));
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int column = 0; column < TMetaTable::kColumns; ++column) {
      cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
          CellForWorkbook(grid.Cell(column, row));
    }
  }
  return cells;
}

bool ExportGridToWorkbook(const TMetaTable& grid, const std::string& fileName,
                          const std::string& title, const TExportCursor& cursor,
                          const TJobRunner& runner, const TCancelled& cancelled) {
  TCursorScope cursorScope(cursor);
  const TJobResult result = RunExportJob(
      {.FileName = fileName, .Title = title, .Cells = CellsForWorkbook(grid)}, runner, cancelled);
  if (result.Status == TJobStatus::Saved) return true;
  if (result.Status == TJobStatus::Cancelled) return false;
  if (result.Status == TJobStatus::NoServer) cursorScope.EndWithArrow();
  throw TExportError(result.Message);
}

}  // namespace pixolyn
