#pragma once
// The catalogue of many pictures: one row per picture, one column per section
// and caption of their sections. Texts are UTF-8, exactly as the viewer shows them.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "metadata/Sections.h"

namespace pixolyn {

// Joins the values of one caption within one picture.
inline constexpr std::string_view kCatalogJoin = kJoinedLinesSeparator;

class TCatalog {
 public:
  TCatalog();

  // Adds a picture's row from its sections. A row without a caption
  // continues the caption before it in its section. Of the XMP section only
  // the captioned properties (Group 0) count.
  void AddSections(std::string_view file, std::string_view folder, const TMetaSections& sections);
  // Adds the row of a picture that could not be read, with the reason.
  void AddFailure(std::string_view file, std::string_view folder, std::string_view reason);

  std::size_t RowCount() const { return rows_.size(); }
  // "Datei", "Ordner", "Fehler" (only when a picture failed), then the
  // captions section by section, each section in order of first appearance.
  // A caption found in several sections carries its section in brackets.
  std::vector<std::string> Titles() const;
  // The row's cells in the order of the titles; empty where the picture has none.
  void RowCells(std::size_t row, std::vector<std::string_view>& cells) const;

 private:
  struct TColumn {
    int Section = -1;  // TSectionKind; -1 for the columns of every row
    std::string Caption;
  };
  // A picture's cells in one string, by rising column: the column and the
  // text's length as 7-bit groups, then the text. No allocation per cell.
  using TRow = std::string;

  int ColumnOf(int section, std::string_view caption);
  void Append(int column, std::string_view value);
  void FinishRow(std::string_view file, std::string_view folder);
  const std::vector<int>& Order() const;

  std::vector<TColumn> columns_;
  std::unordered_map<std::string, int> columnIds_;  // section byte and caption
  std::vector<TRow> rows_;
  bool anyFailure_ = false;

  // The picture being added, by column.
  std::vector<std::string> pending_;
  std::vector<uint8_t> filled_;
  std::vector<int> filledColumns_;

  mutable std::vector<int> order_;     // columns in the order of the titles
  mutable std::vector<int> position_;  // each column's place in order_, -1 when not shown
  mutable bool orderValid_ = false;
};

}  // namespace pixolyn
