#pragma once
// Writing a catalogue into a file: CSV, or the sheet "Katalog" of a workbook.

#include <string>
#include <string_view>

#include "export/ExportGridToWorkbook.h"
#include "table/Catalog.h"

namespace pixolyn {

inline constexpr std::string_view kCatalogSheet = "Katalog";
// The file name that means standard output.
inline constexpr std::string_view kStandardOutput = "-";

enum class TCatalogFormat { Csv, Workbook, Unknown };

// By the extension (any letter case): ".csv", or ".xls", ".xlsx", ".ods".
TCatalogFormat CatalogFormatOf(std::string_view fileName);

// The titles, then one row per picture; CR removed as in every workbook cell.
TCellArray CatalogCells(const TCatalog& catalog);

// Writes the catalogue as its format asks: CSV with separator (to standard
// output for "-"), or into the sheet "Katalog" of the workbook, which
// replaces a sheet of that name whole and keeps the others. The file is
// replaced whole or not at all. Raises TExportError when nothing was saved;
// false when cancelled stopped it, leaving everything as it was.
bool WriteCatalog(const TCatalog& catalog, const std::string& fileName, char separator,
                  const TJobRunner& runner = {}, const TCancelled& cancelled = {});

}  // namespace pixolyn
