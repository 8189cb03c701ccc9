#include "tiff/ByteView.h"

#include <string>

namespace pixolyn {

ReadOutOfBounds::ReadOutOfBounds(int64_t offset, int64_t count, std::size_t size)
    : std::runtime_error("read of " + std::to_string(count) + " bytes at offset " +
                         std::to_string(offset) + " outside " + std::to_string(size) + " bytes") {}

void ByteView::ThrowOutOfBounds(int64_t offset, int64_t count) const {
  throw ReadOutOfBounds(offset, count, bytes_.size());
}

std::string_view ByteView::ViewClamped(int64_t start, int64_t count) const {
  if (bytes_.empty() || count < 0) return {};
  if (start < 0) start = 0;
  const auto size = static_cast<uint64_t>(bytes_.size());
  if (static_cast<uint64_t>(start) >= size) return {};
  const uint64_t available = size - static_cast<uint64_t>(start);
  const uint64_t take = static_cast<uint64_t>(count) < available ? count : available;
  return bytes_.substr(static_cast<std::size_t>(start), take);
}

int64_t ByteView::Find(std::string_view needle, int64_t from) const {
  if (from < 0) from = 0;
  if (static_cast<uint64_t>(from) > bytes_.size()) return -1;
  const auto pos = bytes_.find(needle, static_cast<std::size_t>(from));
  return pos == std::string_view::npos ? -1 : static_cast<int64_t>(pos);
}

}  // namespace pixolyn
