#pragma once
// A two-column table model: exactly the grid operations the table builder
// uses. The viewer's grid shows this same model. Texts are UTF-8.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pixolyn {

class TMetaTable {
 public:
  static constexpr int kColumns = 2;

  TMetaTable();

  int RowCount() const { return static_cast<int>(rows_.size()) - 1; }
  // Growing shows the row kept just beyond the old count; shrinking drops rows.
  void SetRowCount(int rows);
  // Makes room for that many rows and text bytes without changing the table.
  void Reserve(int rows, std::size_t textBytes);
  // No rows and no texts; the room stays for the next fill.
  void Clear();

  int ColWidth(int column) const { return widths_.at(static_cast<std::size_t>(column)); }
  void SetColWidth(int column, int width) { widths_.at(static_cast<std::size_t>(column)) = width; }

  // Cell text, valid until the table next changes; empty outside the table.
  std::string_view Cell(int column, int row) const;
  using Row = std::array<std::string_view, kColumns>;
  // Both cells of a row of the table (0 <= row < RowCount()), for reading it whole.
  Row RowCells(int row) const {
    const SpanRow& spans = rows_.at(static_cast<std::size_t>(row));
    return {Text(spans[0]), Text(spans[1])};
  }
  // All cell texts lie in here, with bytes of replaced texts between them.
  std::string_view AllText() const { return text_; }
  // Accepts rows up to and including RowCount() (the row just beyond the count).
  // The text given in two parts, so that an indent needs no string of its own.
  void AssignCell(int column, int row, std::string_view head, std::string_view tail = {});
  void SetCell(int column, int row, std::string_view text) { AssignCell(column, row, text); }
  // One more row at the end, its first cell being indent and caption; the
  // row just beyond stays empty. The way to fill a table after Clear().
  void AddRow(std::string_view indent, std::string_view caption, std::string_view value);

 private:
  // A cell's text as a place in text_: one buffer for all of them costs
  // one allocation a table instead of one for each longer cell.
  struct TSpan {
    std::uint32_t Offset = 0;
    std::uint32_t Size = 0;
  };
  using SpanRow = std::array<TSpan, kColumns>;

  // Spans lie inside text_ (AssignCell and AddRow see to it).
  std::string_view Text(TSpan span) const { return {text_.data() + span.Offset, span.Size}; }
  // Appends head and tail to text_: the span of the new text.
  TSpan Append(std::string_view head, std::string_view tail);
  bool LiesInText(std::string_view part) const;
  void DropReplacedTexts();

  std::vector<SpanRow> rows_;  // RowCount() rows plus the one just beyond
  std::string text_;
  std::size_t liveBytes_ = 0;  // of text_, the bytes cells still show
  std::array<int, kColumns> widths_{64, 64};
};

}  // namespace pixolyn
