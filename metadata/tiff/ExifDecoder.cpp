#include "metadata/ExifDecoder.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <string_view>

#include "makernotes/MakerNoteDecoder.h"
#include "metadata/ImageData.h"
#include "metadata/Regional.h"
#include "metadata/TextUtil.h"
#include "tiff/FixedPoint.h"
#include "tiff/TiffWalk.h"
#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
constexpr uint16_t kTagImageWidth = 0x0100;
constexpr uint16_t kTagImageLength = 0x0101;
constexpr uint16_t kTagMake = 0x010F;
constexpr uint16_t kTagMakerNote = 0x927C;
constexpr uint16_t kTagExifImageWidth = 0xA002;
constexpr uint16_t kTagExifImageLength = 0xA003;

constexpr std::size_t kCameraMakeLength = 32;

// How a directory writes a value that is not a number.
enum class TTextShape : uint8_t {
  WithoutClosingZero,  // only a closing zero goes: a text without one keeps its last letter
  QuotedToZero,        // in quotes, up to the first zero
  Quoted,              // in quotes, every byte
};

struct TTextRules {
  TTextShape Ascii;
  TTextShape Undefined;
};

constexpr TTextRules kStandardText{.Ascii = TTextShape::WithoutClosingZero,
                                   .Undefined = TTextShape::QuotedToZero};
constexpr TTextRules kMakerText{.Ascii = TTextShape::QuotedToZero, .Undefined = TTextShape::Quoted};

std::string TextOfBytes(std::string_view bytes, TTextShape shape) {
  switch (shape) {
    case TTextShape::WithoutClosingZero:
      return std::string(bytes.ends_with('\0') ? bytes.substr(0, bytes.size() - 1) : bytes);
    case TTextShape::QuotedToZero:
      bytes = bytes.substr(0, bytes.find('\0'));
      break;
    case TTextShape::Quoted:
      break;
  }
  std::string text = "\"";
  text.append(bytes);
  text += '"';
  return text;
}

// The text the table shows for an entry of the walk that the row describes:
// the value written out (numbers through the value map and the row's
// pattern), then the row's formatter or the cut to printable text.
std::string ShownText(const TTagEntry& row, TValueNames valueMap, const TTiffEntry& entry,
                      const TTiffWalk& walk, const TTextRules& rules,
                      const RegionalSettings& regional) {
  TTypedValue value{.Type = entry.Type, .BigEndian = walk.BigEndian, .Bytes = entry.Value};
  std::string text;
  if (entry.Type == kTypeAscii) {
    text = TextOfBytes(entry.Value, rules.Ascii);
  } else if (entry.Type == kTypeUndefined) {
    text = TextOfBytes(entry.Value, rules.Undefined);
  } else {
    value.Bytes = walk.Limits.ComponentsToFormat(entry.Value, entry.Type);
    text = FormatTagValue(value.Bytes, entry.Type, valueMap, row.FormatPattern, walk.BigEndian,
                          regional);
  }
  if (!row.Formatter) return MakePrintable(std::move(text));
  value.Text = text;
  return row.Formatter(value, regional);
}

}  // namespace

// Decodes the entries of the main directory and its sub-directories with the
// EXIF and GPS dictionaries, keeps what the record needs of them, and hands
// the maker note on.
class TImageInfo::TStandardEntries final : public TEntrySink {
 public:
  explicit TStandardEntries(TImageInfo& info) : info_(info) {}

  bool Take(const TTiffEntry& value, const TTiffWalk& walk) override {
    const TTagEntry& entry = LookupTagEntry(value.Tag, value.Kind);
    const std::string_view raw = value.Value;
    // A tag the dictionary lacks is not stored, so its text is not needed.
    std::string text;
    if (entry.Tag != 0)
      text = ShownText(entry, entry.ValueMap, value, walk, kStandardText, info_.Regional());
    switch (value.Tag) {
      case kTagImageWidth:
      case kTagExifImageWidth:
        info_.PixelWidth = RoundHalfEven(TagValueAsNumber(raw, value.Type, walk.BigEndian));
        break;
      case kTagImageLength:
      case kTagExifImageLength:
        info_.PixelHeight = RoundHalfEven(TagValueAsNumber(raw, value.Type, walk.BigEndian));
        break;
      case kTagMake:
        info_.CameraMake = text.substr(0, kCameraMakeLength);
        break;
      default:
        break;
    }
    info_.StoreEntry(entry, entry.Group, value, walk.BigEndian, std::move(text));
    // The maker note's entries follow the entry that holds it.
    if (value.Tag == kTagMakerNote) TmsInfo(info_, walk, value).DecodeMakerNote();
    return true;
  }

 private:
  TImageInfo& info_;
};

// Decodes the entries of a maker-note directory with the maker's table.
class TImageInfo::TMakerEntries final : public TEntrySink {
 public:
  TMakerEntries(TImageInfo& info, std::span<const TTagEntry> table) : info_(info), table_(table) {}

  bool Take(const TTiffEntry& value, const TTiffWalk& walk) override {
    // Tags missing from the table are not stored, so their text is not needed.
    const int index = FindTagIndex(value.Tag, table_);
    if (index < 0) return true;
    const TTagEntry& entry = table_[static_cast<std::size_t>(index)];
    if (EqualsIgnoringAsciiCase(entry.Label, "SKIP")) return true;

    std::string text = ShownText(entry, ValueMapOfTag(value.Tag, table_), value, walk, kMakerText,
                                 info_.Regional());
    info_.StoreEntry(entry, 1, value, walk.BigEndian, std::move(text));
    return true;
  }

 private:
  TImageInfo& info_;
  std::span<const TTagEntry> table_;
};

TImageInfo::TImageInfo(TImgData* owner) : OwnerImage(owner) {}

const RegionalSettings& TImageInfo::Regional() const {
  return RegionalOf(OwnerImage);
}

void TImageInfo::ReadDirectory(std::string_view exifBytes, bool bigEndian, int64_t start,
                               int64_t base, int64_t sizeLimit) {
  TWalkLimits limits;
  // Maker notes spend their own: what they read never shortens the standard rows.
  TWalkLimits makerLimits;
  limits.AllowValueBytesFor(exifBytes.size());
  makerLimits.AllowValueBytesFor(exifBytes.size());
  TStandardEntries sink(*this);
  const ByteView bytes(exifBytes);
  const TTiffWalk walk{.Bytes = bytes,
                       .BigEndian = bigEndian,
                       .Origin = base,
                       .FallbackBytes = bytes,
                       .FallbackOrigin = base,
                       .SizeLimit = sizeLimit,
                       .Limits = limits,
                       .MakerLimits = &makerLimits,
                       .Sink = sink,
                       .ErrorText = OwnerImage ? &OwnerImage->ErrorText : nullptr};
  WalkImageDirectory(walk, start, ExifKind);
}

void TImageInfo::ReadMakerNoteDirectory(const TTiffWalk& walk, std::string_view note,
                                        const TMakerNoteWalk& maker) {
  TWalkLimits ownLimits;  // for a walk that does not say what its maker notes may read
  TWalkLimits& limits = walk.MakerLimits ? *walk.MakerLimits : ownLimits;
  limits.AllowValueBytesFor(walk.Bytes.Size());
  TMakerEntries sink(*this, maker.Table);
  const TTiffWalk noteWalk{.Bytes = ByteView(note),
                           .BigEndian = maker.BigEndian,
                           .Origin = maker.Origin,
                           .FallbackBytes = walk.Bytes,
                           .FallbackOrigin = maker.FallbackOrigin,
                           .Limits = limits,
                           .Sink = sink};
  try {
    WalkMakerDirectory(noteWalk, maker.DirStart);
  } catch (const std::exception& error) {
    SetOwnerError(std::string("Error Detected = ") + error.what());
  }
}

void TImageInfo::StoreEntry(const TTagEntry& definition, int32_t group, const TTiffEntry& value,
                            bool bigEndian, std::string text) {
  if (definition.Tag == 0) return;
  try {
    // Filled in place: the value text moves and the value bytes are copied once, into the list.
    TTagEntry& entry = NextTagSlot(TagList, TagCount);
    // The dictionary's part alone: its Text and RawText are empty, and
    // assigning the two strings cost more than the rest together.
    entry.RecordNumber = definition.RecordNumber;
    entry.Tag = definition.Tag;
    entry.Name = definition.Name;
    entry.Label = definition.Label;
    entry.ValueMap = definition.ValueMap;
    entry.FormatPattern = definition.FormatPattern;
    entry.MaxSize = definition.MaxSize;
    entry.Formatter = definition.Formatter;
    entry.Group = group;
    entry.FormatType = value.Type;
    entry.BigEndian = bigEndian;
    entry.Text = std::move(text);
    entry.RawText.assign(value.Value);
  } catch (const std::exception&) {
    // Only this entry is lost.
  }
}

void TImageInfo::SetOwnerError(const std::string& message) {
  if (OwnerImage) OwnerImage->ErrorText = message;
}

int TImageInfo::AddTag(const TTagEntry& entry) {
  return AppendToTagList(TagList, TagCount, entry);
}

int TImageInfo::FindTagByName(std::string_view name) const {
  return FindTagInListByName(TagList, TagCount, name);
}

std::string TImageInfo::GetTagText(std::string_view name) const {
  const int index = FindTagByName(name);
  return index < 0 ? std::string() : TagList[static_cast<std::size_t>(index)].Text;
}

TTagEntry TImageInfo::GetTagByName(std::string_view name) const {
  const int index = FindTagByName(name);
  return index < 0 ? TTagEntry{} : TagList[static_cast<std::size_t>(index)];
}

}  // namespace pixolyn
