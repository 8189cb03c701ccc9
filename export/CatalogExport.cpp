#include "export/CatalogExport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "export/ExportMessages.h"
#include "export/WorkbookFormat.h"
#include "metadata/Cp1252.h"
#include "metadata/TextUtil.h"
#include "table/CatalogCsv.h"
#include "table/GridText.h"

namespace pixolyn {

namespace {
constexpr std::string_view kCsvExtension = ".csv";

void WriteCsv(const TCatalog& catalog, const std::string& fileName, char separator) {
  const bool toStandardOutput = fileName == kStandardOutput;
  std::FILE* out = toStandardOutput ? stdout : std::fopen(fileName.c_str(), "wb");
  if (out == nullptr)
    throw TExportError(SaveFailedMessage(fileName, Utf8ToCp1252(std::strerror(errno))));
  bool written = true;
  WriteCatalogCsv(catalog, separator, [&](std::string_view piece) {
    written = written && std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
  });
  const int error = errno;
  written = std::fflush(out) == 0 && written;
  if (!toStandardOutput) written = std::fclose(out) == 0 && written;
  if (written) return;
  if (!toStandardOutput)
    std::remove(fileName.c_str());  // a cut-off file would pass for the catalogue
  throw TExportError(
      SaveFailedMessage(fileName, Utf8ToCp1252(std::strerror(error != 0 ? error : errno))));
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

void WriteCatalog(const TCatalog& catalog, const std::string& fileName, char separator,
                  const TJobRunner& runner) {
  if (fileName == kStandardOutput || CatalogFormatOf(fileName) == TCatalogFormat::Csv) {
    WriteCsv(catalog, fileName, separator);
    return;
  }
  const TJobResult result = RunExportJob({.FileName = fileName,
                                          .Title = std::string(kCatalogSheet),
                                          .Cells = CatalogCells(catalog),
                                          .ReplaceSheet = true},
                                         runner);
  if (result.Status != TJobStatus::Saved) throw TExportError(result.Message);
}

}  // namespace pixolyn
