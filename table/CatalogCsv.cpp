#include "table/CatalogCsv.h"

#include <algorithm>
#include <vector>

namespace pixolyn {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kPieceSize = 64 * 1024;

template <typename Cells>
void AppendLine(std::string& out, const Cells& cells, char separator) {
  bool first = true;
  for (const auto& cell : cells) {
    if (!first) out += separator;
    first = false;
    AppendCsvField(out, cell, separator);
  }
  out += "\r\n";
}

// A control character other than TAB, which a field shows as a dot.
bool IsDottedControl(char c) {
  return static_cast<unsigned char>(c) < 0x20 && c != '\t';
}
}  // namespace

bool CsvReadsAsFormula(std::string_view field) {
  if (field.empty()) return false;
  switch (field.front()) {
    case '=':
    case '+':
    case '@':
    case '\t':
    case '\r':
      return true;
    case '-':
      return field.size() < 2 || field[1] < '0' || field[1] > '9';
    default:
      return false;
  }
}

void AppendCsvField(std::string& line, std::string_view field, char separator) {
  const bool formula = CsvReadsAsFormula(field);
  const bool quoted =
      formula || field.find_first_of(std::string{separator, '"'}) != std::string_view::npos;
  const bool control = std::any_of(field.begin(), field.end(), IsDottedControl);
  if (!quoted && !control) {
    line += field;
    return;
  }
  if (quoted) line += '"';
  // The apostrophe makes a spreadsheet take the cell for text, not a formula.
  if (formula) line += '\'';
  for (const char c : field) {
    if (c == '"') line += '"';
    line += IsDottedControl(c) ? '.' : c;
  }
  if (quoted) line += '"';
}

void WriteCatalogCsv(const TCatalog& catalog, char separator,
                     const std::function<void(std::string_view)>& write) {
  write(kByteOrderMark);
  // Lines go out a piece at a time.
  std::string piece;
  AppendLine(piece, catalog.Titles(), separator);
  std::vector<std::string_view> cells;
  for (std::size_t row = 0; row < catalog.RowCount(); ++row) {
    catalog.RowCells(row, cells);
    AppendLine(piece, cells, separator);
    if (piece.size() >= kPieceSize) {
      write(piece);
      piece.clear();
    }
  }
  if (!piece.empty()) write(piece);
}

}  // namespace pixolyn
