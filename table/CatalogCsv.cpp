#include "table/CatalogCsv.h"

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
}  // namespace

void AppendCsvField(std::string& line, std::string_view field, char separator) {
  if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
    line += field;
    return;
  }
  line += '"';
  for (char c : field) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
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
