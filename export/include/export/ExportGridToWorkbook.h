#pragma once
// Writing the whole grid into a sheet of a workbook (.xls, .xlsx or .ods by
// the file's extension; .xls for any other name).

#include <functional>
#include <stdexcept>
#include <string>

#include "export/WorkbookJob.h"
#include "table/TableModel.h"

namespace pixolyn {

// The screen cursor while an export runs; the viewer fills these in, other
// callers leave them empty. After ShowHourglass exactly one of ShowArrow and
// Restore follows, however the export ends.
struct TExportCursor {
  std::function<void()> ShowHourglass;  // remembers the current cursor first
  std::function<void()> ShowArrow;      // the default arrow
  std::function<void()> Restore;        // the remembered cursor
};

// An export that did not save; what() is a Windows-1252 text for the user.
class TExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs a job against the spreadsheet server; by default through the workbook helper.
using TJobRunner = std::function<TJobResult(const TWorkbookJob&)>;

// Asked once the workbook is written, before it takes the place of the file:
// true when the user gave up the export, which then changes nothing.
using TCancelled = std::function<bool()>;

// Runs job through runner, or the workbook helper when there is none, with
// the workbook stored into a temporary file beside the target (its path
// absolute: the helper's office has a folder of its own), which then replaces
// the target unless cancelled says otherwise.
TJobResult RunExportJob(TWorkbookJob job, const TJobRunner& runner,
                        const TCancelled& cancelled = {});

// The grid's texts as they go into the workbook: CR removed, no quoting.
TCellArray CellsForWorkbook(const TMetaTable& grid);

// Writes grid into the sheet named title of the workbook fileName (created
// when missing) from A1 on. Raises TExportError when nothing was saved;
// false when cancelled stopped it, leaving everything as it was.
bool ExportGridToWorkbook(const TMetaTable& grid, const std::string& fileName,
                          const std::string& title, const TExportCursor& cursor = {},
                          const TJobRunner& runner = {}, const TCancelled& cancelled = {});

}  // namespace pixolyn
