#include "makernotes/MovedNote.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

#include "tiff/TiffWalk.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
constexpr int64_t kFooterSize = 8;
constexpr int64_t kNextDirectorySize = 4;
constexpr uint16_t kTiffMagic = 42;

// Canon ends its notes with a byte-order mark, 42 and the offset from the TIFF
// header that the note's first byte had when the camera wrote it; the origin
// that goes with it is that offset's negative.
std::optional<int64_t> FooterOrigin(const ByteView& note) {
  const int64_t at = static_cast<int64_t>(note.Size()) - kFooterSize;
  if (at < 0) return std::nullopt;
  const std::string_view mark = note.ViewClamped(at, 2);
  if (mark != "II" && mark != "MM") return std::nullopt;
  const bool bigEndian = mark == "MM";
  if (note.U16(at + 2, bigEndian) != kTiffMagic) return std::nullopt;
  return -static_cast<int64_t>(note.U32(at + 4, bigEndian));
}

// A camera writes the values of its directory right behind it (the entries
// and the next-directory field). The shift that puts the lowest value there,
// when it puts every value of the directory inside the note.
int64_t ValuesShift(const ByteView& note, int64_t dirStart, int64_t origin, bool bigEndian) {
  const int64_t count = note.U16(dirStart, bigEndian);
  const int64_t entries = dirStart + kTiffEntryCountSize;
  int64_t lowest = std::numeric_limits<int64_t>::max();
  int64_t highestEnd = std::numeric_limits<int64_t>::min();
  for (int64_t i = 0; i < count; ++i) {
    const int64_t entry = entries + kTiffEntrySize * i;
    const uint16_t type = note.U16(entry + 2, bigEndian);
    const int64_t components = static_cast<int32_t>(note.U32(entry + 4, bigEndian));
    const int64_t size = components * TypeSize(type);
    if (size <= kTiffInlineValueSize) continue;
    const int64_t offset = static_cast<int32_t>(note.U32(entry + 8, bigEndian));
    lowest = std::min(lowest, offset);
    highestEnd = std::max(highestEnd, offset + size);
  }
  if (highestEnd == std::numeric_limits<int64_t>::min()) return 0;  // no value outside the entries
  const int64_t behind = entries + kTiffEntrySize * count + kNextDirectorySize;
  const int64_t shift = behind - (lowest + origin);
  if (highestEnd + origin + shift > static_cast<int64_t>(note.Size())) return 0;
  return shift;
}
}  // namespace

int64_t MovedNoteShift(const ByteView& note, int64_t dirStart, int64_t origin, bool bigEndian,
                       TMoveCheck check) {
  switch (check) {
    case TMoveCheck::None:
      return 0;
    case TMoveCheck::FooterOrValues:
      if (const auto footerOrigin = FooterOrigin(note)) return *footerOrigin - origin;
      break;
    case TMoveCheck::Values:
      break;
  }
  return ValuesShift(note, dirStart, origin, bigEndian);
}

}  // namespace pixolyn
