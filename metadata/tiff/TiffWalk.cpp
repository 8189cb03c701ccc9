#include "tiff/TiffWalk.h"

#include <algorithm>
#include <exception>

#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
// Main directory, Exif, interoperability: three levels; the rest is headroom.
constexpr int kMaxDirectoryDepth = 8;

constexpr uint16_t kTagExifOffset = 0x8769;
constexpr uint16_t kTagGpsInfo = 0x8825;
constexpr uint16_t kTagInteroperabilityOffset = 0xA005;

// Value bytes a walk may copy: a few times the EXIF bytes (values of a maker
// note are read again from inside it, and some makers declare values that
// run to the end of the block), and a little more for tiny blocks.
constexpr int64_t kValueBytesPerExifByte = 16;
constexpr int64_t kMinimumValueBytes = 64 * 1024;

// The directories being read, innermost first, as a chain on the stack.
struct TOpenDirectory {
  int64_t Start = 0;
  const TOpenDirectory* Outer = nullptr;
};

bool MayEnter(const TOpenDirectory* open, int64_t start) {
  int depth = 0;
  for (; open; open = open->Outer, ++depth) {
    if (open->Start == start) return false;
  }
  return depth < kMaxDirectoryDepth;
}

TTiffEntry ReadEntry(const TTiffWalk& walk, int64_t entryOffset, TDirectoryKind kind) {
  TTiffEntry entry;
  entry.Kind = kind;
  entry.Tag = walk.Bytes.U16(entryOffset, walk.BigEndian);
  entry.Type = walk.Bytes.U16(entryOffset + 2, walk.BigEndian);
  const int64_t components = static_cast<int32_t>(walk.Bytes.U32(entryOffset + 4, walk.BigEndian));
  entry.Size = components * TypeSize(entry.Type);
  if (entry.Size <= kTiffInlineValueSize) {
    entry.Position = entryOffset + 8;
    entry.Value = walk.Bytes.ViewClamped(entry.Position, entry.Size);
    return entry;
  }
  const int64_t offset = static_cast<int32_t>(walk.Bytes.U32(entryOffset + 8, walk.BigEndian));
  entry.Position = walk.Origin + offset;
  entry.Value = entry.Position + entry.Size <= static_cast<int64_t>(walk.Bytes.Size())
                    ? walk.Bytes.ViewClamped(entry.Position, entry.Size)
                    : walk.FallbackBytes.ViewClamped(walk.FallbackOrigin + offset, entry.Size);
  return entry;
}

// How the two kinds of directory differ. An image file directory ends quietly
// at a count or entry outside the bytes, passes over entries without value
// bytes and follows the pointers to its sub-directories; a maker note's
// directory raises ReadOutOfBounds there, passes every entry on and has no pointers.
struct TDirectoryRules {
  TDirectoryKind Kind = ExifKind;
  bool RaisesOutside = false;
  bool PassesEmptyEntries = false;
  bool FollowsPointers = false;
  bool LimitsSize = false;  // refuses a directory over the walk's size limit
};

TDirectoryRules ImageDirectoryRules(TDirectoryKind kind) {
  return {.Kind = kind, .FollowsPointers = true, .LimitsSize = true};
}

// Whether [offset, offset + size) lies in the walk's bytes; raises instead of
// answering false where the rules say so.
bool Present(const TTiffWalk& walk, int64_t offset, int64_t size, const TDirectoryRules& rules) {
  if (walk.Bytes.Fits(offset, size)) return true;
  if (rules.RaisesOutside) throw ReadOutOfBounds(offset, size, walk.Bytes.Size());
  return false;
}

void WalkDirectory(const TTiffWalk& walk, int64_t start, const TDirectoryRules& rules,
                   const TOpenDirectory* outer);

void WalkSubDirectory(const TTiffWalk& walk, int64_t pointerOffset, TDirectoryKind kind,
                      const TOpenDirectory* outer) {
  if (!walk.Bytes.Fits(pointerOffset, 4)) return;
  try {
    const int64_t offset = static_cast<int32_t>(walk.Bytes.U32(pointerOffset, walk.BigEndian));
    WalkDirectory(walk, walk.Origin + offset, ImageDirectoryRules(kind), outer);
  } catch (const std::exception&) {
    // The sub-directory ends here; its parent reads on.
  }
}

void FollowPointer(const TTiffWalk& walk, const TTiffEntry& entry, const TOpenDirectory* open) {
  switch (entry.Tag) {
    case kTagExifOffset:
    case kTagInteroperabilityOffset:
      WalkSubDirectory(walk, entry.Position, ExifKind, open);
      break;
    case kTagGpsInfo:
      WalkSubDirectory(walk, entry.Position, GpsKind, open);
      break;
    default:
      break;
  }
}

void WalkDirectory(const TTiffWalk& walk, int64_t start, const TDirectoryRules& rules,
                   const TOpenDirectory* outer) {
  if (!MayEnter(outer, start)) return;
  const TOpenDirectory open{.Start = start, .Outer = outer};

  if (!Present(walk, start, kTiffEntryCountSize, rules)) return;
  const int64_t count = walk.Bytes.U16(start, walk.BigEndian);
  if (rules.LimitsSize && kTiffEntrySize * count + kTiffEntryCountSize > walk.SizeLimit) {
    if (walk.ErrorText) *walk.ErrorText = "Illegally sized directory";
    return;
  }
  for (int64_t i = 0; i < count; ++i) {
    const int64_t entryOffset = start + kTiffEntryCountSize + kTiffEntrySize * i;
    if (!Present(walk, entryOffset, kTiffEntrySize, rules) || !walk.Limits.TakeEntry()) return;
    const TTiffEntry entry = ReadEntry(walk, entryOffset, rules.Kind);
    // Zero components or an unknown type: no value, but the entries after it still count.
    if (entry.Size == 0 && !rules.PassesEmptyEntries) continue;
    if (!walk.Limits.TakeValueBytes(static_cast<int64_t>(entry.Value.size()))) return;
    if (!walk.Sink.Take(entry, walk)) return;
    // Sub-directories come after the entry that points to them.
    if (rules.FollowsPointers) FollowPointer(walk, entry, &open);
  }
}
}  // namespace

void TWalkLimits::AllowValueBytesFor(std::size_t exifBytes) {
  if (valueBytes_ >= 0) return;
  valueBytes_ = kMinimumValueBytes + kValueBytesPerExifByte * static_cast<int64_t>(exifBytes);
}

bool TWalkLimits::TakeEntry() {
  if (entries_ <= 0) return false;
  --entries_;
  return true;
}

bool TWalkLimits::TakeValueBytes(int64_t bytes) {
  if (bytes > valueBytes_) {
    valueBytes_ = 0;
    entries_ = 0;  // the walks end here
    return false;
  }
  valueBytes_ -= bytes;
  return true;
}

std::string_view TWalkLimits::ComponentsToFormat(std::string_view raw, uint16_t type) {
  const int64_t size = TypeSize(type);
  if (size == 0) return raw;
  const int64_t components = std::min(static_cast<int64_t>(raw.size()) / size, components_);
  components_ -= components;
  return raw.substr(0, static_cast<std::size_t>(components * size));
}

void WalkImageDirectory(const TTiffWalk& walk, int64_t start, TDirectoryKind kind) {
  WalkDirectory(walk, start, ImageDirectoryRules(kind), nullptr);
}

void WalkMakerDirectory(const TTiffWalk& walk, int64_t start) {
  WalkDirectory(walk, start, {.RaisesOutside = true, .PassesEmptyEntries = true}, nullptr);
}

}  // namespace pixolyn
