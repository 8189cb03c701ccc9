#include "metadata/MakerNoteDecoder.h"

#include <span>
#include <string_view>

#include "metadata/ExifDecoder.h"
#include "metadata/MakerNoteTables.h"
#include "metadata/TextUtil.h"

namespace pixolyn {

namespace {
// The TIFF header's offset in the EXIF bytes of a JPEG file. A TIFF file's
// header stands 8 bytes before their start, so its note position is moved by
// twice that to let one rule serve both.
constexpr int64_t kTiffHeaderOffset = 8;
constexpr int64_t kTiffFileShift = 16;
constexpr std::size_t kMakeKeyLength = 5;

// How one maker's directory is laid out inside its maker note.
struct TMakerLayout {
  std::string_view Key;         // first five letters of the make, upper case
  std::string_view NotePrefix;  // the note must begin with this (empty: any note)
  std::span<const TTagEntry> (*Table)();
  int64_t DirStart;        // offset of the entry count in the note
  bool OffsetsFromHeader;  // value offsets count from the TIFF header, else from the note
  bool LittleEndian;       // read in Intel order whatever the EXIF order
};

// clang-format off
constexpr TMakerLayout kMakerLayouts[] = {
    {.Key = "NIKON", .NotePrefix = "Nikon", .Table = NikonTagTable1, .DirStart = 8, .OffsetsFromHeader = true, .LittleEndian = false},
    {.Key = "NIKON", .NotePrefix = "", .Table = NikonTagTable2, .DirStart = 0, .OffsetsFromHeader = true, .LittleEndian = false},
    {.Key = "OLYMP", .NotePrefix = "", .Table = OlympusTagTable, .DirStart = 8, .OffsetsFromHeader = true, .LittleEndian = false},
    {.Key = "CASIO", .NotePrefix = "", .Table = CasioTagTable, .DirStart = 0, .OffsetsFromHeader = true, .LittleEndian = false},
    {.Key = "FUJIF", .NotePrefix = "", .Table = FujiTagTable, .DirStart = 12, .OffsetsFromHeader = false, .LittleEndian = true},
    {.Key = "CANON", .NotePrefix = "", .Table = CanonTagTable, .DirStart = 0, .OffsetsFromHeader = true, .LittleEndian = false},
    {.Key = "SEIKO", .NotePrefix = "", .Table = SeikoTagTable, .DirStart = 8, .OffsetsFromHeader = true, .LittleEndian = false},
    {.Key = "SANYO", .NotePrefix = "", .Table = SanyoTagTable, .DirStart = 8, .OffsetsFromHeader = true, .LittleEndian = false},
    {.Key = "MINOL", .NotePrefix = "", .Table = MinoltaTagTable, .DirStart = 0, .OffsetsFromHeader = true, .LittleEndian = false},
};
// clang-format on

const TMakerLayout* FindLayout(std::string_view make, std::string_view note) {
  const std::string key = UpperAscii(make.substr(0, kMakeKeyLength));
  for (const TMakerLayout& layout : kMakerLayouts) {
    if (layout.Key == key && note.starts_with(layout.NotePrefix)) return &layout;
  }
  return nullptr;
}

}  // namespace

TmsInfo::TmsInfo(bool fromTiff, TImageInfo& info)
    : FromTiff(fromTiff), Info(&info), NotePosition(info.MakerNoteOffset) {}

bool TmsInfo::DecodeMakerNote() {
  if (FromTiff) NotePosition += kTiffFileShift;
  const TMakerLayout* layout = FindLayout(Info->CameraMake, Info->MakerNoteBytes);
  if (!layout) return false;

  const int64_t origin = layout->OffsetsFromHeader ? kTiffHeaderOffset - NotePosition : 0;
  // A value that does not lie in the note is read from the EXIF bytes at the
  // place its offset names, counted from the same origin.
  const int64_t fallbackOrigin = Info->MakerNoteOffset + origin;
  // The maker's directory is a walk of its own, in its own byte order.
  const bool bigEndian = layout->LittleEndian ? false : Info->BigEndian;
  Info->ReadMakerNoteDirectory(Info->MakerNoteBytes, layout->Table(), layout->DirStart, origin,
                               fallbackOrigin, bigEndian);
  return true;
}

}  // namespace pixolyn
