#include "metadata/ByteView.h"

#include <string>

namespace pixolyn {

ReadOutOfBounds::ReadOutOfBounds(int64_t offset, int64_t count, std::size_t size)
    : std::runtime_error("read of " + std::to_string(count) + " bytes at offset " +
                         std::to_string(offset) + " outside " + std::to_string(size) + " bytes") {}

void ByteView::Require(int64_t offset, int64_t count) const {
  if (!Fits(offset, count)) throw ReadOutOfBounds(offset, count, bytes_.size());
}

uint8_t ByteView::U8(int64_t offset) const {
  Require(offset, 1);
  return static_cast<uint8_t>(bytes_[static_cast<std::size_t>(offset)]);
}

uint16_t ByteView::U16(int64_t offset, bool bigEndian) const {
  Require(offset, 2);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data()) + offset;
  return bigEndian ? static_cast<uint16_t>(p[0] << 8 | p[1])
                   : static_cast<uint16_t>(p[1] << 8 | p[0]);
}

uint32_t ByteView::U32(int64_t offset, bool bigEndian) const {
  Require(offset, 4);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data()) + offset;
  if (bigEndian) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
  }
  return uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

std::string ByteView::CopyClamped(int64_t start, int64_t count) const {
  if (bytes_.empty() || count < 0) return {};
  if (start < 0) start = 0;
  const auto size = static_cast<uint64_t>(bytes_.size());
  if (static_cast<uint64_t>(start) >= size) return {};
  const uint64_t available = size - static_cast<uint64_t>(start);
  const uint64_t take = static_cast<uint64_t>(count) < available ? count : available;
  return std::string(bytes_.substr(static_cast<std::size_t>(start), take));
}

int64_t ByteView::Find(std::string_view needle, int64_t from) const {
  if (from < 0) from = 0;
  if (static_cast<uint64_t>(from) > bytes_.size()) return -1;
  const auto pos = bytes_.find(needle, static_cast<std::size_t>(from));
  return pos == std::string_view::npos ? -1 : static_cast<int64_t>(pos);
}

}  // namespace pixolyn
