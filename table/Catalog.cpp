#include "table/Catalog.h"

#include <algorithm>
#include <array>

namespace pixolyn {

namespace {
enum TFixedColumn { kFile, kFolder, kError, kFixedColumns };
const std::array<std::string, kFixedColumns> kFixedTitles = {"Datei", "Ordner", "Fehler"};

// Low 7 bits first; the high bit says that more follow.
void AppendNumber(std::string& out, std::size_t value) {
  while (value >= 0x80) {
    out += static_cast<char>((value & 0x7F) | 0x80);
    value >>= 7;
  }
  out += static_cast<char>(value);
}

// Reads a number AppendNumber wrote at pos and moves pos past it.
std::size_t ReadNumber(std::string_view in, std::size_t& pos) {
  std::size_t value = 0;
  for (int shift = 0; pos < in.size(); shift += 7) {
    const auto byte = static_cast<unsigned char>(in[pos++]);
    value |= static_cast<std::size_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) break;
  }
  return value;
}
}  // namespace

TCatalog::TCatalog() : pending_(kFixedColumns), filled_(kFixedColumns) {
  for (const std::string& title : kFixedTitles) columns_.push_back({.Caption = title});
}

int TCatalog::ColumnOf(int section, std::string_view caption) {
  std::string key(1, static_cast<char>(section));
  key += caption;
  const auto [found, added] = columnIds_.try_emplace(std::move(key), columns_.size());
  if (added) {
    columns_.push_back({.Section = section, .Caption = std::string(caption)});
    pending_.emplace_back();
    filled_.push_back(0);
    orderValid_ = false;
  }
  return found->second;
}

void TCatalog::Append(int column, std::string_view value) {
  const auto index = static_cast<std::size_t>(column);
  if (filled_[index]) {
    pending_[index] += kCatalogJoin;
  } else {
    filled_[index] = 1;
    filledColumns_.push_back(column);
  }
  pending_[index] += value;
}

void TCatalog::FinishRow(std::string_view file, std::string_view folder) {
  Append(kFile, file);
  Append(kFolder, folder);
  std::sort(filledColumns_.begin(), filledColumns_.end());
  TRow row;
  std::size_t size = 0;
  for (int column : filledColumns_) size += pending_[static_cast<std::size_t>(column)].size() + 4;
  row.reserve(size);
  for (int column : filledColumns_) {
    std::string& text = pending_[static_cast<std::size_t>(column)];
    AppendNumber(row, static_cast<std::size_t>(column));
    AppendNumber(row, text.size());
    row += text;
    text.clear();
    filled_[static_cast<std::size_t>(column)] = 0;
  }
  filledColumns_.clear();
  rows_.push_back(std::move(row));
}

void TCatalog::AddSections(std::string_view file, std::string_view folder,
                           const TMetaSections& sections) {
  for (const TMetaSection& section : sections) {
    const int kind = static_cast<int>(section.Kind);
    int caption = -1;  // the column a row without caption continues
    // A dataset of many lines keeps them in its own column.
    const std::vector<TSectionRow>& rows =
        section.JoinedRows.empty() ? section.Rows : section.JoinedRows;
    for (const TSectionRow& row : rows) {
      // XMP properties without a caption of ours (Group 1) would bring a
      // column for every setting an editor keeps: they stay out.
      if (section.Kind == TSectionKind::Xmp && row.Group != 0) continue;
      if (!row.Caption.empty()) {
        caption = ColumnOf(kind, row.Caption);
      } else if (caption < 0) {
        continue;
      }
      Append(caption, row.Value);
    }
  }
  FinishRow(file, folder);
}

void TCatalog::AddFailure(std::string_view file, std::string_view folder, std::string_view reason) {
  Append(kError, reason);
  if (!anyFailure_) orderValid_ = false;
  anyFailure_ = true;
  FinishRow(file, folder);
}

const std::vector<int>& TCatalog::Order() const {
  if (orderValid_) return order_;
  order_.clear();
  order_.push_back(kFile);
  order_.push_back(kFolder);
  if (anyFailure_) order_.push_back(kError);
  const std::size_t captionsStart = order_.size();
  for (std::size_t column = kFixedColumns; column < columns_.size(); ++column) {
    order_.push_back(static_cast<int>(column));
  }
  // Columns are numbered in order of first appearance.
  std::stable_sort(order_.begin() + static_cast<std::ptrdiff_t>(captionsStart), order_.end(),
                   [this](int a, int b) {
                     return columns_[static_cast<std::size_t>(a)].Section <
                            columns_[static_cast<std::size_t>(b)].Section;
                   });
  position_.assign(columns_.size(), -1);
  for (std::size_t i = 0; i < order_.size(); ++i) {
    position_[static_cast<std::size_t>(order_[i])] = static_cast<int>(i);
  }
  orderValid_ = true;
  return order_;
}

std::vector<std::string> TCatalog::Titles() const {
  std::unordered_map<std::string_view, int> sectionsOfCaption;
  for (std::size_t column = kFixedColumns; column < columns_.size(); ++column) {
    ++sectionsOfCaption[columns_[column].Caption];
  }
  std::vector<std::string> titles;
  for (int id : Order()) {
    const TColumn& column = columns_[static_cast<std::size_t>(id)];
    std::string title = column.Caption;
    if (column.Section >= 0 && sectionsOfCaption[column.Caption] > 1) {
      title += " (";
      title += SectionTitle(static_cast<TSectionKind>(column.Section));
      title += ")";
    }
    titles.push_back(std::move(title));
  }
  return titles;
}

void TCatalog::RowCells(std::size_t row, std::vector<std::string_view>& cells) const {
  const std::vector<int>& order = Order();
  cells.assign(order.size(), std::string_view());
  const std::string_view packed = rows_.at(row);
  std::size_t pos = 0;
  while (pos < packed.size()) {
    const std::size_t column = ReadNumber(packed, pos);
    const std::size_t length = ReadNumber(packed, pos);
    const std::string_view text = packed.substr(std::min(pos, packed.size()), length);
    pos += text.size();
    const int at = column < position_.size() ? position_[column] : -1;
    if (at >= 0) cells[static_cast<std::size_t>(at)] = text;
  }
}

}  // namespace pixolyn
