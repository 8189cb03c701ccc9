#include "metadata/ExifDecoder.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "metadata/FixedPoint.h"
#include "metadata/ImageData.h"
#include "metadata/MakerNoteHandoff.h"
#include "metadata/TextUtil.h"
#include "metadata/ValueFormat.h"

namespace pixolyn {

namespace {
constexpr int64_t kEntrySize = 12;
constexpr int64_t kEntryCountSize = 2;
// Main directory, Exif, interoperability: three levels; the rest is headroom.
constexpr std::size_t kMaxDirectoryDepth = 8;

constexpr uint16_t kTagImageWidth = 0x0100;
constexpr uint16_t kTagImageLength = 0x0101;
constexpr uint16_t kTagMake = 0x010F;
constexpr uint16_t kTagExifOffset = 0x8769;
constexpr uint16_t kTagGpsInfo = 0x8825;
constexpr uint16_t kTagMakerNote = 0x927C;
constexpr uint16_t kTagExifImageWidth = 0xA002;
constexpr uint16_t kTagExifImageLength = 0xA003;
constexpr uint16_t kTagInteroperabilityOffset = 0xA005;

constexpr std::size_t kCameraMakeLength = 32;

// Value bytes a walk may copy: a few times the EXIF bytes (values of a maker
// note are read again from inside it, and some makers declare values that
// run to the end of the block), and a little more for tiny blocks.
constexpr int64_t kValueBytesPerExifByte = 16;
constexpr int64_t kMinimumValueBytes = 64 * 1024;

std::string Quoted(std::string_view bytes) {
  std::string text = "\"";
  text.append(bytes);
  text += '"';
  return text;
}

std::string_view BeforeFirstZero(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

// The table's formatter where the tag has one, else the cut to printable text.
std::string ShownText(const TTagEntry& entry, std::string text) {
  return entry.Formatter ? entry.Formatter(text) : MakePrintable(std::move(text));
}

// Pops the directory offset pushed on entry, also when the walk is left by an error.
class OpenDirectory {
 public:
  OpenDirectory(std::vector<int64_t>& open, int64_t start) : open_(open) { open_.push_back(start); }
  ~OpenDirectory() { open_.pop_back(); }
  OpenDirectory(const OpenDirectory&) = delete;
  OpenDirectory& operator=(const OpenDirectory&) = delete;

 private:
  std::vector<int64_t>& open_;
};
}  // namespace

struct TImageInfo::EntryHeader {
  uint16_t tag = 0;
  uint16_t type = 0;
  // In 64 bits, so that a huge or negative count cannot wrap to a small size.
  int64_t size = 0;
};

TImageInfo::TImageInfo(TImgData* owner, int buildMode)
    : OwnerImage(owner), BuildMode(buildMode), TiffFile(owner ? owner->TiffFile : false) {}

TImageInfo::EntryHeader TImageInfo::ReadEntryHeader(int64_t entryOffset) const {
  EntryHeader header;
  header.tag = Read16(entryOffset);
  header.type = Read16(entryOffset + 2);
  const int64_t components = Read32(entryOffset + 4);
  header.size = components * TypeSize(header.type);
  return header;
}

void TImageInfo::ReadDirectory(int64_t start, int64_t base, int64_t sizeLimit,
                               TDirectoryKind kind) {
  if (std::find(openDirectories_.begin(), openDirectories_.end(), start) !=
      openDirectories_.end()) {
    return;
  }
  if (openDirectories_.size() >= kMaxDirectoryDepth) return;
  const OpenDirectory guard(openDirectories_, start);

  // A count or entry that does not lie wholly in the bytes ends the directory
  // as its last entry would.
  if (!ByteView(DataBuffer).Fits(start, kEntryCountSize)) return;
  const int64_t count = Read16(start);
  if (kEntrySize * count + kEntryCountSize > sizeLimit) {
    SetOwnerError("Illegally sized directory");
    return;
  }
  for (int64_t i = 0; i < count; ++i) {
    const int64_t entryOffset = start + kEntryCountSize + kEntrySize * i;
    if (!ByteView(DataBuffer).Fits(entryOffset, kEntrySize) || !TakeEntry()) return;
    const EntryHeader header = ReadEntryHeader(entryOffset);
    // Zero components or an unknown type: no value, but the entries after it still count.
    if (header.size == 0) continue;
    ReadDirectoryEntry(header, entryOffset, base, sizeLimit, kind);
  }
}

void TImageInfo::ReadDirectoryEntry(const EntryHeader& header, int64_t entryOffset, int64_t base,
                                    int64_t sizeLimit, TDirectoryKind kind) {
  const int64_t position = header.size <= 4 ? entryOffset + 8 : base + Read32(entryOffset + 8);
  std::string raw = CopyClamped(DataBuffer, position, header.size);
  if (!TakeValueBytes(static_cast<int64_t>(raw.size()))) return;
  const TTagEntry& entry = LookupTagEntry(header.tag, kind);

  // A tag the dictionary lacks is not stored, so its text is not needed.
  std::string text;
  if (entry.Tag != 0) {
    if (header.type == kTypeAscii) {
      // Only a closing zero goes: a text written without one keeps its last letter.
      text = raw;
      if (!text.empty() && text.back() == '\0') text.pop_back();
    } else if (header.type == kTypeUndefined) {
      text = Quoted(BeforeFirstZero(raw));
    } else {
      text = FormatTagValue(ComponentsToFormat(raw, header.type), header.type, entry.ValueMap,
                            entry.FormatPattern, BigEndian);
    }
    text = ShownText(entry, std::move(text));
  }

  // What the record keeps of the value is taken before the value moves into the list.
  switch (header.tag) {
    case kTagImageWidth:
    case kTagExifImageWidth:
      PixelWidth = RoundHalfEven(TagValueAsNumber(raw, header.type, BigEndian));
      break;
    case kTagImageLength:
    case kTagExifImageLength:
      PixelHeight = RoundHalfEven(TagValueAsNumber(raw, header.type, BigEndian));
      break;
    case kTagMake:
      CameraMake = text.substr(0, kCameraMakeLength);
      break;
    case kTagMakerNote:
      MakerNoteBytes = raw;
      MakerNoteOffset = position;
      break;
    default:
      break;
  }
  StoreEntry(entry, entry.Group, header.type, std::move(text), std::move(raw));

  // Sub-directories and the maker note come after the entry that points to them.
  switch (header.tag) {
    case kTagExifOffset:
    case kTagInteroperabilityOffset:
      ReadSubDirectory(position, base, sizeLimit, ExifKind);
      break;
    case kTagGpsInfo:
      ReadSubDirectory(position, base, sizeLimit, GpsKind);
      break;
    case kTagMakerNote:
      HandOffMakerNote(*this);
      break;
    default:
      break;
  }
}

void TImageInfo::ReadSubDirectory(int64_t pointerOffset, int64_t base, int64_t sizeLimit,
                                  TDirectoryKind kind) {
  if (!ByteView(DataBuffer).Fits(pointerOffset, 4)) return;
  try {
    ReadDirectory(base + Read32(pointerOffset), base, sizeLimit, kind);
  } catch (const std::exception&) {
    // The sub-directory ends here; its parent reads on.
  }
}

void TImageInfo::ReadMakerNoteDirectory(const std::string& data, std::span<const TTagEntry> table,
                                        int64_t dirStart, int64_t origin, int64_t fallbackOrigin) {
  // The EXIF bytes are set aside, not copied, and put back afterwards; data
  // may be the very buffer that is set aside.
  std::string exifBytes = std::move(DataBuffer);
  DataBuffer = &data == &DataBuffer ? exifBytes : data;
  const std::string& fallbackBytes = OwnerImage ? OwnerImage->DataBuffer : exifBytes;
  try {
    const int64_t count = Read16(dirStart);
    for (int64_t i = 0; i < count && TakeEntry(); ++i) {
      ReadMakerNoteEntry(DataBuffer, fallbackBytes, table,
                         dirStart + kEntryCountSize + kEntrySize * i, origin, fallbackOrigin);
    }
  } catch (const std::exception& error) {
    SetOwnerError(std::string("Error Detected = ") + error.what());
  }
  DataBuffer = std::move(exifBytes);
}

void TImageInfo::ReadMakerNoteEntry(const std::string& data, const std::string& exifBytes,
                                    std::span<const TTagEntry> table, int64_t entryOffset,
                                    int64_t origin, int64_t fallbackOrigin) {
  const EntryHeader header = ReadEntryHeader(entryOffset);
  std::string raw;
  if (header.size <= 4) {
    raw = CopyClamped(data, entryOffset + 8, header.size);
  } else {
    const int64_t offset = Read32(entryOffset + 8);
    const int64_t position = origin + offset;
    raw = position + header.size <= static_cast<int64_t>(data.size())
              ? CopyClamped(data, position, header.size)
              : CopyClamped(exifBytes, fallbackOrigin + offset, header.size);
  }
  if (!TakeValueBytes(static_cast<int64_t>(raw.size()))) return;

  // Tags missing from the table are not stored, so their text is not needed.
  const int index = FindTagIndex(header.tag, table);
  if (index < 0) return;
  const TTagEntry& entry = table[static_cast<std::size_t>(index)];
  if (EqualsIgnoringAsciiCase(entry.Label, "SKIP")) return;

  std::string text;
  if (header.type == kTypeAscii) {
    text = Quoted(BeforeFirstZero(raw));
  } else if (header.type == kTypeUndefined) {
    text = Quoted(raw);
  } else {
    try {
      text = FormatTagValue(ComponentsToFormat(raw, header.type), header.type,
                            ValueMapOfTag(header.tag, table), entry.FormatPattern, BigEndian);
    } catch (const std::exception&) {
      text = Quoted(raw);
    }
  }
  text = ShownText(entry, std::move(text));
  StoreEntry(entry, 1, header.type, std::move(text), std::move(raw));
}

void TImageInfo::StoreEntry(const TTagEntry& definition, int32_t group, uint16_t type,
                            std::string text, std::string raw) {
  if (definition.Tag == 0) return;
  try {
    // Filled in place: the value texts move once, into the list.
    TTagEntry& entry = NextTagSlot(TagList, TagCount);
    entry = definition;
    entry.Group = group;
    entry.FormatType = type;
    entry.Text = std::move(text);
    entry.RawText = std::move(raw);
  } catch (const std::exception&) {
    // Only this entry is lost.
  }
}

bool TImageInfo::TakeEntry() {
  if (budget_.Entries <= 0) return false;
  --budget_.Entries;
  return true;
}

bool TImageInfo::TakeValueBytes(int64_t bytes) {
  if (budget_.ValueBytes < 0) {
    const std::size_t exifBytes = OwnerImage ? OwnerImage->DataBuffer.size() : DataBuffer.size();
    budget_.ValueBytes =
        kMinimumValueBytes + kValueBytesPerExifByte * static_cast<int64_t>(exifBytes);
  }
  if (bytes > budget_.ValueBytes) {
    budget_.ValueBytes = 0;
    budget_.Entries = 0;  // the walks end here
    return false;
  }
  budget_.ValueBytes -= bytes;
  return true;
}

std::string_view TImageInfo::ComponentsToFormat(std::string_view raw, uint16_t type) {
  const int64_t size = TypeSize(type);
  if (size == 0) return raw;
  const int64_t components = std::min(static_cast<int64_t>(raw.size()) / size, budget_.Components);
  budget_.Components -= components;
  return raw.substr(0, static_cast<std::size_t>(components * size));
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
