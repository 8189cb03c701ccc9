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

  // Inline: every entry of every directory is read through these.
  uint8_t U8(int64_t offset) const {
    Require(offset, 1);
    return static_cast<uint8_t>(bytes_[static_cast<std::size_t>(offset)]);
  }
  // The width bytes at offset as one unsigned number in the given order,
  // wrapping at 32 bits: of more than four bytes, the last four (Motorola) or
  // the first four (Intel) count.
  uint32_t UInt(int64_t offset, int64_t width, bool bigEndian) const {
    Require(offset, width);
    return Assemble(Data(offset), width, bigEndian);
  }
  uint16_t U16(int64_t offset, bool bigEndian) const {
    return static_cast<uint16_t>(UInt(offset, 2, bigEndian));
  }
  uint32_t U32(int64_t offset, bool bigEndian) const { return UInt(offset, 4, bigEndian); }

  // Clamped cut: a start below 0 moves to 0 (count kept), a range past the end
  // is cut there; empty for a negative count or a start at or past the end.
  std::string_view ViewClamped(int64_t start, int64_t count) const;
  std::string CopyClamped(int64_t start, int64_t count) const {
    return std::string(ViewClamped(start, count));
  }

  // Offset of the first occurrence of needle at or after from; -1 if none.
  int64_t Find(std::string_view needle, int64_t from = 0) const;

 private:
  void Require(int64_t offset, int64_t count) const {
    if (!Fits(offset, count)) ThrowOutOfBounds(offset, count);
  }
  [[noreturn]] void ThrowOutOfBounds(int64_t offset, int64_t count) const;
  const unsigned char* Data(int64_t offset) const {
    return reinterpret_cast<const unsigned char*>(bytes_.data()) + offset;
  }
  static uint32_t Assemble(const unsigned char* p, int64_t width, bool bigEndian) {
    // The widths of the directory fields spelled out, which compilers read in one load.
    if (width == 2) {
      return bigEndian ? uint32_t{p[0]} << 8 | p[1] : uint32_t{p[1]} << 8 | p[0];
    }
    if (width == 4) {
      return bigEndian ? uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3]
                       : uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
    }
    uint32_t value = 0;
    if (bigEndian) {
      for (int64_t i = 0; i < width; ++i) value = value << 8 | p[i];
    } else {
      for (int64_t i = width; i-- > 0;) value = value << 8 | p[i];
    }
    return value;
  }
  std::string_view bytes_;
};

// Free form of the clamped cut, for callers holding a plain byte string.
inline std::string CopyClamped(std::string_view bytes, int64_t start, int64_t count) {
  return ByteView(bytes).CopyClamped(start, count);
}

}  // namespace pixolyn
