#pragma once
// The spreadsheet server as the workbook export drives it: one workbook at a
// time. Cell texts are UTF-8, sheet names Windows-1252; file names are
// file-system paths.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pixolyn {

// Rows of cell texts; a row shorter than the longest is empty at its end.
using TCellArray = std::vector<std::vector<std::string>>;

// The width of the widest row.
std::size_t ColumnCount(const TCellArray& cells);

// A call the server could not carry out; what() is the server's own text.
class TServerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How the server opened an existing workbook.
struct TOpenedWorkbook {
  std::string FilterName;  // the import filter actually used
  bool ReadOnly = false;
};

class TWorkbookServer {
 public:
  virtual ~TWorkbookServer() = default;

  // Attaches to a running server, else starts one; false when none is available.
  virtual bool Connect() = 0;
  virtual bool StartedByThisExport() const = 0;

  // Opens an existing file as the server recognises it; nullopt when it cannot
  // read it as a workbook.
  virtual std::optional<TOpenedWorkbook> Open(const std::string& fileName) = 0;
  // Creates a new workbook; false when the server cannot.
  virtual bool New() = 0;

  // Sheets count from 1.
  virtual int SheetCount() = 0;
  virtual std::string SheetName(int sheet) = 0;
  // Adds a sheet after the last one; returns its number.
  virtual int AddSheet(const std::string& name) = 0;
  // Removes a sheet; the sheets after it move down by one.
  virtual void RemoveSheet(int sheet) = 0;
  // Empties the whole sheet: values and formats.
  virtual void ClearSheet(int sheet) = 0;
  virtual void SetRangeValues(int sheet, const std::string& range, const TCellArray& values) = 0;

  // Writes the workbook into fileName in the filter's format; an opened
  // workbook's own file is left as it is.
  virtual void SaveAs(const std::string& fileName, const std::string& filterName) = 0;
  // Closes the workbook without saving it.
  virtual void Close() = 0;
  virtual void Quit() = 0;
};

}  // namespace pixolyn
