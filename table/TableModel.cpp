#include "table/TableModel.h"

#include <functional>
#include <limits>
#include <stdexcept>

namespace pixolyn {

TMetaTable::TMetaTable() : rows_(1) {}

void TMetaTable::SetRowCount(int rows) {
  if (rows < 0) rows = 0;
  const bool shrinking = rows < RowCount();
  for (std::size_t row = static_cast<std::size_t>(rows) + 1; row < rows_.size(); ++row) {
    for (const TSpan span : rows_[row]) liveBytes_ -= span.Size;
  }
  rows_.resize(static_cast<std::size_t>(rows) + 1);
  if (shrinking) {  // nothing of a longer table survives
    for (const TSpan span : rows_.back()) liveBytes_ -= span.Size;
    rows_.back() = SpanRow{};
  }
}

void TMetaTable::Reserve(int rows, std::size_t textBytes) {
  rows_.reserve(static_cast<std::size_t>(std::max(rows, 0)) + 1);
  text_.reserve(textBytes);
}

void TMetaTable::Clear() {
  rows_.assign(1, SpanRow{});
  text_.clear();
  liveBytes_ = 0;
}

std::string_view TMetaTable::Cell(int column, int row) const {
  if (column < 0 || column >= kColumns || row < 0 || row >= RowCount()) return {};
  return Text(rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

void TMetaTable::AddRow(std::string_view indent, std::string_view caption, std::string_view value) {
  SpanRow& spans = rows_.back();
  for (const TSpan span : spans) liveBytes_ -= span.Size;
  spans = {Append(indent, caption), Append(value, {})};
  rows_.emplace_back();
}

void TMetaTable::AssignCell(int column, int row, std::string_view head, std::string_view tail) {
  if (column < 0 || column >= kColumns || row < 0 || row > RowCount()) {
    throw std::out_of_range("cell outside the table");
  }
  TSpan& span = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  liveBytes_ -= span.Size;
  span = Append(head, tail);
  // A table written cell by cell again and again stays within twice its texts.
  if (text_.size() > 2 * liveBytes_ + 4096) DropReplacedTexts();
}

TMetaTable::TSpan TMetaTable::Append(std::string_view head, std::string_view tail) {
  if (LiesInText(head) || LiesInText(tail)) {
    // The buffer may move while it grows: copy a text of this table first.
    std::string copy(head);
    copy += tail;
    return Append(copy, {});
  }
  const std::size_t size = head.size() + tail.size();
  if (text_.size() + size > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("table texts too long");
  }
  const TSpan span{static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(size)};
  text_.append(head).append(tail);
  liveBytes_ += size;
  return span;
}

bool TMetaTable::LiesInText(std::string_view part) const {
  const std::less<const char*> before;
  return !part.empty() && !before(part.data(), text_.data()) &&
         before(part.data(), text_.data() + text_.size());
}

void TMetaTable::DropReplacedTexts() {
  std::string kept;
  kept.reserve(liveBytes_);
  for (SpanRow& spans : rows_) {
    for (TSpan& span : spans) {
      const std::string_view text = Text(span);
      span.Offset = static_cast<std::uint32_t>(kept.size());
      kept.append(text);
    }
  }
  text_ = std::move(kept);
}

}  // namespace pixolyn
