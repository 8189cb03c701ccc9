#pragma once
// A real LibreOffice for the export tests: one office shared by most tests,
// with a profile and pipe of their own; the results read back by xlrd.

#include <string>
#include <vector>

#include "export/FileBytes.h"
#include "export/OfficeInstance.h"
#include "export/ScopedEnv.h"
#include "fixtures/JsonFile.h"
#include "table/TableModel.h"

namespace pixolyn::test {

struct Workbook {
  int Biff = 0;
  struct Sheet {
    std::string Name;  // UTF-8
    int Columns = 0;
    // Per row and column: the cell type ("text", "empty", ...) and its text (UTF-8).
    std::vector<std::vector<std::pair<std::string, std::string>>> Rows;
  };
  std::vector<Sheet> Sheets;
  const Sheet* Find(const std::string& name) const;
};

// Empty when python3-xlrd is missing; the office tests then skip.
std::string WorkbookReaderProblem();
Workbook ReadWorkbook(const std::string& path);
void WriteXlsx(const std::string& path);

// The .ods file (beside csv) the office makes of a catalogue's CSV file as it opens it.
std::string CsvOpenedAsOds(const std::string& csv);

struct CommandResult {
  int Status = -1;
  std::string Out;
  std::string Err;
};
// Runs pixolyn-info with these arguments.
CommandResult RunInfo(const std::vector<std::string>& args);

// Waits until the office started for instance listens on its pipe; false
// when it ends first or takes longer than a minute.
bool WaitUntilListening(const TOfficeInstance& instance, TChildProcess& office);

// True while some process's command line mentions text (an office's pipe name).
bool ProcessMentions(const std::string& text);

// The grid as the workbook must hold it, converted to UTF-8.
std::vector<std::vector<std::string>> ExpectedRows(const TMetaTable& grid);

// The sheet holds exactly these rows (UTF-8) from A1 on: texts as text cells,
// empty cells empty, nothing to the right of the rows or below the last one.
void ExpectSheetHolds(const Workbook::Sheet& sheet,
                      const std::vector<std::vector<std::string>>& rows);

}  // namespace pixolyn::test
