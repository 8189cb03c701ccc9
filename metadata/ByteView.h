#pragma once
// The one place that touches untrusted bytes. Every offset and count is checked
// by subtraction against the size, so no check can wrap and no read leaves the buffer.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pixolyn {

// Raised when a read would leave its buffer; decoders catch it at the level
// where decoding can go on.
class ReadOutOfBounds : public std::runtime_error {
 public:
  ReadOutOfBounds(int64_t offset, int64_t count, std::size_t size);
};

class ByteView {
 public:
  ByteView() = default;
  explicit ByteView(std::string_view bytes) : bytes_(bytes) {}

  std::size_t Size() const { return bytes_.size(); }
  std::string_view Bytes() const { return bytes_; }

  // True when [offset, offset + count) lies wholly inside the bytes.
  bool Fits(int64_t offset, int64_t count) const {
    if (offset < 0 || count < 0) return false;
    const auto size = static_cast<uint64_t>(bytes_.size());
    return static_cast<uint64_t>(offset) <= size &&
           static_cast<uint64_t>(count) <= size - static_cast<uint64_t>(offset);
  }

  uint8_t U8(int64_t offset) const;
  uint16_t U16(int64_t offset, bool bigEndian) const;
  uint32_t U32(int64_t offset, bool bigEndian) const;

  // Clamped cut: a start below 0 moves to 0 (count kept), a range past the end
  // is cut there; empty for a negative count or a start at or past the end.
  std::string CopyClamped(int64_t start, int64_t count) const;

  // Offset of the first occurrence of needle at or after from; -1 if none.
  int64_t Find(std::string_view needle, int64_t from = 0) const;

 private:
  void Require(int64_t offset, int64_t count) const;
  std::string_view bytes_;
};

// Free form of the clamped cut, for callers holding a plain byte string.
inline std::string CopyClamped(std::string_view bytes, int64_t start, int64_t count) {
  return ByteView(bytes).CopyClamped(start, count);
}

}  // namespace pixolyn
