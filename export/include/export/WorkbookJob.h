#pragma once
// Writing a table into a sheet of a workbook file through a spreadsheet server.

#include <string>

#include "export/WorkbookServer.h"

namespace pixolyn {

struct TWorkbookJob {
  std::string FileName;  // file-system path; its extension chooses the format
  std::string Title;     // the sheet's name
  TCellArray Cells;      // from A1 on
  // An existing sheet of the title is emptied first instead of overwritten from A1.
  bool ReplaceSheet = false;
  // Where the workbook is stored: a temporary file beside FileName that the
  // caller renames over it; FileName itself when empty.
  std::string SaveTo;
};

// Cancelled: the caller gave up the job and nothing was changed.
enum class TJobStatus { Saved, NoServer, Failed, Cancelled };

struct TJobResult {
  TJobStatus Status = TJobStatus::Failed;
  std::string Message;  // empty when saved
};

// Connects, opens the file (or creates a new workbook when there is none) in
// the format its extension names, finds or adds the sheet named by the title,
// fills it from A1 and stores the workbook into SaveTo. A file that is not a
// workbook of that format the server can write back is refused, and so are
// cells the format's sheet could not hold. After any failure the workbook is closed without saving;
// an office this job started is told to quit in every case.
TJobResult RunWorkbookJob(TWorkbookServer& server, const TWorkbookJob& job);

}  // namespace pixolyn
