#include "export/WorkbookJob.h"

#include <algorithm>
#include <filesystem>

#include "export/ExportMessages.h"
#include "export/RangeText.h"
#include "export/SheetName.h"
#include "export/WorkbookFormat.h"

namespace pixolyn {

namespace {
TJobResult Failure(std::string message) {
  return {TJobStatus::Failed, std::move(message)};
}

// Guards that end the job cleanly however it ends: the workbook closed
// without saving (after a save there is nothing left to lose), then an office
// this job started told to quit.
class TQuitIfStarted {
 public:
  explicit TQuitIfStarted(TWorkbookServer& server) : server_(server) {}
  ~TQuitIfStarted() {
    if (!server_.StartedByThisExport()) return;
    try {
      server_.Quit();
    } catch (const TServerError&) {
      // The office is going away either way.
    }
  }
  TQuitIfStarted(const TQuitIfStarted&) = delete;
  TQuitIfStarted& operator=(const TQuitIfStarted&) = delete;

 private:
  TWorkbookServer& server_;
};

void CloseQuietly(TWorkbookServer& server) {
  try {
    server.Close();
  } catch (const TServerError&) {
    // Nothing was saved that a failed close could lose.
  }
}

class TCloseWorkbook {
 public:
  explicit TCloseWorkbook(TWorkbookServer& server) : server_(server) {}
  ~TCloseWorkbook() { CloseQuietly(server_); }
  TCloseWorkbook(const TCloseWorkbook&) = delete;
  TCloseWorkbook& operator=(const TCloseWorkbook&) = delete;

 private:
  TWorkbookServer& server_;
};

// Why an existing file cannot take the sheet; empty when it is open as a
// writable workbook of the format. The server has never written to a refused file.
std::string OpenExisting(TWorkbookServer& server, const std::string& fileName,
                         const TWorkbookFormat& format) {
  try {
    if (!FileStartsWith(fileName, format.Signature)) {
      return NotAWorkbookMessage(fileName, format.Kind);
    }
  } catch (const std::runtime_error& e) {
    return UnreadableFileMessage(fileName, e.what());
  }
  std::optional<TOpenedWorkbook> opened;
  try {
    // Recognised by the server, not forced into the format: a text document
    // forced through a spreadsheet filter would open as an empty workbook.
    opened = server.Open(fileName);
  } catch (const TServerError&) {
    // A server that fails on the file cannot write it back either.
  }
  if (!opened) return NotOpenableMessage(fileName, format.Kind);
  std::string problem;
  if (opened->FilterName != format.FilterName) {
    problem = NotOpenableMessage(fileName, format.Kind);
  } else if (opened->ReadOnly) {
    problem = ReadOnlyMessage(fileName);
  }
  if (!problem.empty()) CloseQuietly(server);
  return problem;
}

// The office would create a missing folder on its own; a mistyped path should fail instead.
bool FolderExists(const std::string& fileName) {
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(fileName).parent_path(), error);
}

struct TSheetChoice {
  int Sheet = 0;
  std::string Refusal;  // set when no sheet can carry the title
};

// The last sheet named exactly as the title, else a new one, the title cut as
// the format stores sheet names. A sheet whose name differs only in letter
// case belongs to another title: the server would refuse the new name, and
// writing into that sheet would mix two tables.
TSheetChoice FindOrAddSheet(TWorkbookServer& server, const std::string& fullTitle,
                            const TWorkbookFormat& format) {
  const std::string title(StoredSheetName(fullTitle, format));
  if (std::string refusal = SheetNameRefusal(title); !refusal.empty()) return {0, refusal};
  int found = 0;
  std::string differentCase;
  const int count = server.SheetCount();
  for (int sheet = 1; sheet <= count; ++sheet) {
    const std::string name = server.SheetName(sheet);
    if (name == title) {
      found = sheet;
    } else if (SameSheetName(name, title)) {
      differentCase = name;
    }
  }
  if (found > 0) return {found, {}};
  if (!differentCase.empty()) return {0, SheetNameTakenMessage(title, differentCase)};
  return {server.AddSheet(title), {}};
}
// Removes every sheet but the given one, the empty sheets a server puts into
// a new workbook; returns the kept sheet's number afterwards.
int KeepOnlySheet(TWorkbookServer& server, int sheet) {
  for (int other = server.SheetCount(); other >= 1; --other) {
    if (other == sheet) continue;
    server.RemoveSheet(other);
    if (other < sheet) --sheet;
  }
  return sheet;
}

// Why the format cannot hold the cells; empty when it can.
std::string SizeRefusal(const TWorkbookJob& job, const TWorkbookFormat& format) {
  const std::size_t columns = ColumnCount(job.Cells);
  if (columns <= static_cast<std::size_t>(format.MaxColumns) &&
      job.Cells.size() <= static_cast<std::size_t>(format.MaxRows)) {
    return {};
  }
  return TooLargeMessage(format.Kind, format.MaxColumns, format.MaxRows);
}
}  // namespace

std::size_t ColumnCount(const TCellArray& cells) {
  std::size_t columns = 0;
  for (const auto& row : cells) columns = std::max(columns, row.size());
  return columns;
}

TJobResult RunWorkbookJob(TWorkbookServer& server, const TWorkbookJob& job) {
  const TWorkbookFormat& format = WorkbookFormatOf(job.FileName);
  // Nothing would be saved but a cut-off sheet.
  if (std::string refusal = SizeRefusal(job, format); !refusal.empty()) {
    return Failure(std::move(refusal));
  }
  TQuitIfStarted quit(server);
  try {
    if (!server.Connect()) return {TJobStatus::NoServer, NoServerMessage()};
  } catch (const TServerError& e) {
    return Failure(e.what());
  }

  std::error_code ignored;
  const bool existing = std::filesystem::exists(job.FileName, ignored);
  if (existing) {
    if (std::string problem = OpenExisting(server, job.FileName, format); !problem.empty()) {
      return Failure(std::move(problem));
    }
  } else {
    bool created = false;
    try {
      created = server.New();
    } catch (const TServerError&) {
    }
    if (!created) return Failure(NoNewWorkbookMessage());
  }
  TCloseWorkbook close(server);

  try {
    const TSheetChoice choice = FindOrAddSheet(server, job.Title, format);
    if (!choice.Refusal.empty()) return Failure(choice.Refusal);
    // A new workbook holds this sheet alone, not the office's empty default sheet.
    const int sheet = existing ? choice.Sheet : KeepOnlySheet(server, choice.Sheet);
    if (job.ReplaceSheet) server.ClearSheet(sheet);
    if (const std::size_t columns = ColumnCount(job.Cells); columns > 0) {
      const std::string range =
          RangeText(static_cast<int>(job.Cells.size()), static_cast<int>(columns));
      server.SetRangeValues(sheet, range, job.Cells);
    }
  } catch (const TServerError& e) {
    return Failure(ServerFailureMessage(e.what()));
  }

  const std::string& target = job.SaveTo.empty() ? job.FileName : job.SaveTo;
  if (!FolderExists(target)) return Failure(SaveFailedMessage(job.FileName, kMissingFolder));
  try {
    server.SaveAs(target, std::string(format.FilterName));
  } catch (const TServerError& e) {
    return Failure(SaveFailedMessage(job.FileName, e.what()));
  }
  return {TJobStatus::Saved, {}};
}

}  // namespace pixolyn
