#include "makernotes/PropertyList.h"

#include <cstdint>

#include "tiff/ByteView.h"

namespace pixolyn {

namespace {
constexpr std::string_view kMagic = "bplist00";
constexpr int64_t kTrailerSize = 32;
constexpr int64_t kMaxWidth = 8;
// The low half of an object's marker counts its bytes or entries; this value
// says a count object follows instead, which the lists read here never need.
constexpr unsigned kCountFollows = 0x0F;
constexpr unsigned kIntegerKind = 0x1, kAsciiKind = 0x5, kDictionaryKind = 0xD;

// An unsigned big-endian number of width bytes (1 to 8).
uint64_t Number(const ByteView& bytes, int64_t at, int64_t width) {
  uint64_t n = 0;
  for (int64_t i = 0; i < width; ++i) n = n << 8 | bytes.U8(at + i);
  return n;
}

class TPropertyList {
 public:
  explicit TPropertyList(std::string_view list) : bytes_(list) {
    const int64_t size = static_cast<int64_t>(bytes_.Size());
    if (!list.starts_with(kMagic) || size < static_cast<int64_t>(kMagic.size()) + kTrailerSize)
      return;
    const int64_t trailer = size - kTrailerSize;
    offsetWidth_ = bytes_.U8(trailer + 6);
    refWidth_ = bytes_.U8(trailer + 7);
    // Every object takes a byte at least: a larger count is no count.
    const uint64_t count = Number(bytes_, trailer + 8, kMaxWidth);
    const uint64_t top = Number(bytes_, trailer + 16, kMaxWidth);
    const uint64_t table = Number(bytes_, trailer + 24, kMaxWidth);
    if (offsetWidth_ < 1 || offsetWidth_ > kMaxWidth || refWidth_ < 1 || refWidth_ > kMaxWidth ||
        count > static_cast<uint64_t>(size) || table > static_cast<uint64_t>(size) ||
        top >= count) {
      return;
    }
    count_ = static_cast<int64_t>(count);
    offsetTable_ = static_cast<int64_t>(table);
    top_ = static_cast<int64_t>(top);
  }

  std::optional<int64_t> Integer(std::string_view key) const {
    if (count_ == 0) return std::nullopt;
    const int64_t dict = ObjectAt(top_);
    const unsigned marker = bytes_.U8(dict);
    const unsigned entries = marker & 0x0F;
    if (marker >> 4 != kDictionaryKind || entries == kCountFollows) return std::nullopt;
    for (unsigned i = 0; i < entries; ++i) {
      if (!IsKey(Ref(dict + 1 + i * refWidth_), key)) continue;
      return IntegerAt(ObjectAt(Ref(dict + 1 + (entries + i) * refWidth_)));
    }
    return std::nullopt;
  }

 private:
  int64_t Ref(int64_t at) const {
    const uint64_t ref = Number(bytes_, at, refWidth_);
    if (ref >= static_cast<uint64_t>(count_)) throw ReadOutOfBounds(at, refWidth_, bytes_.Size());
    return static_cast<int64_t>(ref);
  }
  // Where object ref begins; the offset table's entries are checked as any read is.
  int64_t ObjectAt(int64_t ref) const {
    const uint64_t at = Number(bytes_, offsetTable_ + ref * offsetWidth_, offsetWidth_);
    if (at >= bytes_.Size()) throw ReadOutOfBounds(offsetTable_, offsetWidth_, bytes_.Size());
    return static_cast<int64_t>(at);
  }
  bool IsKey(int64_t ref, std::string_view key) const {
    const int64_t at = ObjectAt(ref);
    const unsigned marker = bytes_.U8(at);
    return marker >> 4 == kAsciiKind && (marker & 0x0F) == key.size() &&
           bytes_.ViewClamped(at + 1, static_cast<int64_t>(key.size())) == key;
  }
  std::optional<int64_t> IntegerAt(int64_t at) const {
    const unsigned marker = bytes_.U8(at);
    const unsigned power = marker & 0x0F;
    if (marker >> 4 != kIntegerKind || power > 3) return std::nullopt;
    // Eight-byte integers are signed, the shorter ones unsigned.
    return static_cast<int64_t>(Number(bytes_, at + 1, int64_t{1} << power));
  }

  ByteView bytes_;
  int64_t offsetWidth_ = 0;
  int64_t refWidth_ = 0;
  int64_t count_ = 0;  // 0: no usable list
  int64_t offsetTable_ = 0;
  int64_t top_ = 0;
};
}  // namespace

std::optional<int64_t> PropertyListInteger(std::string_view list, std::string_view key) {
  try {
    return TPropertyList(list).Integer(key);
  } catch (const ReadOutOfBounds&) {
    return std::nullopt;
  }
}

}  // namespace pixolyn
