#include "export/CatalogExport.h"

#include <cerrno>
#include <cstdio>

#include "export/ExportMessages.h"
#include "export/ReplacingFile.h"
#include "export/WorkbookFormat.h"
#include "metadata/TextUtil.h"
#include "table/CatalogCsv.h"
#include "table/GridText.h"

namespace pixolyn {

namespace {
constexpr std::string_view kCsvExtension = ".csv";

// Writes the CSV text to out; false when a write failed or cancelled said
// stop, with errno telling a failure.
bool WriteCsvTo(std::FILE* out, const TCatalog& catalog, char separator,
                const TCancelled& cancelled) {
  bool written = true;
  bool stopped = false;
  WriteCatalogCsv(catalog, separator, [&](std::string_view piece) {
    stopped = stopped || (cancelled && cancelled());
    written =
        written && !stopped && std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
  });
  if (stopped) errno = 0;
  return std::fflush(out) == 0 && written;
}

bool WriteCsv(const TCatalog& catalog, const std::string& fileName, char separator,
              const TCancelled& cancelled) {
  if (fileName == kStandardOutput) {
    if (WriteCsvTo(stdout, catalog, separator, {})) return true;
    throw TExportError(SaveFailedMessage(fileName, SystemReason(errno)));
  }
  TReplacingFile file(fileName);
  std::FILE* out = std::fopen(file.TemporaryPath().c_str(), "wb");
  if (out == nullptr) throw TExportError(SaveFailedMessage(fileName, SystemReason(errno)));
  bool written = WriteCsvTo(out, catalog, separator, cancelled);
  const int error = errno;
  written = std::fclose(out) == 0 && written;
  if (cancelled && cancelled()) return false;
  if (!written) {
    throw TExportError(SaveFailedMessage(fileName, SystemReason(error != 0 ? error : errno)));
  }
  file.Commit(fileName);
  return true;
}
}  // namespace

TCatalogFormat CatalogFormatOf(std::string_view fileName) {
  if (fileName.size() > kCsvExtension.size() &&
      EqualsIgnoringAsciiCase(fileName.substr(fileName.size() - kCsvExtension.size()),
                              kCsvExtension)) {
    return TCatalogFormat::Csv;
  }
  return HasWorkbookExtension(fileName) ? TCatalogFormat::Workbook : TCatalogFormat::Unknown;
}

TCellArray CatalogCells(const TCatalog& catalog) {
  TCellArray cells;
  cells.reserve(catalog.RowCount() + 1);
  const std::vector<std::string> titles = catalog.Titles();
  cells.emplace_back(titles.begin(), titles.end());
  std::vector<std::string_view> row;
  for (std::size_t index = 0; index < catalog.RowCount(); ++index) {
    catalog.RowCells(index, row);
    std::vector<std::string>& out = cells.emplace_back();
    out.reserve(row.size());
    for (std::string_view cell : row) out.push_back(CellForWorkbook(cell));
  }
  return cells;
}

bool WriteCatalog(const TCatalog& catalog, const std::string& fileName, char separator,
                  const TJobRunner& runner, const TCancelled& cancelled) {
  if (fileName == kStandardOutput || CatalogFormatOf(fileName) == TCatalogFormat::Csv) {
    return WriteCsv(catalog, fileName, separator, cancelled);
  }
  const TJobResult result = RunExportJob({.FileName = fileName,
                                          .Title = std::string(kCatalogSheet),
                                          .Cells = CatalogCells(catalog),
                                          .ReplaceSheet = true},
                                         runner, cancelled);
  if (result.Status == TJobStatus::Cancelled) return false;
  if (result.Status != TJobStatus::Saved) throw TExportError(result.Message);
  return true;
}

}  // namespace pixolyn
