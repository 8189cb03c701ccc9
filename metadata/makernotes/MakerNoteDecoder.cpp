#include "makernotes/MakerNoteDecoder.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "makernotes/MakerNoteTables.h"
#include "makernotes/MovedNote.h"
#include "metadata/ExifDecoder.h"
#include "metadata/TextUtil.h"
#include "tiff/ByteView.h"

namespace pixolyn {

namespace {
constexpr std::size_t kMakeKeyLength = 5;
constexpr uint16_t kTiffMagic = 42;

// Where a maker's stored value offsets count from.
enum class TOffsets {
  FromTiffHeader,   // the EXIF block's TIFF header, as the standard directories
  FromNote,         // the note's first byte
  FromInnerHeader,  // a TIFF header inside the note, at OrderMark
};
// The byte order of a maker's directory.
enum class TOrder {
  Exif,      // the EXIF block's
  Intel,     // least significant byte first, whatever the EXIF block's
  FromNote,  // "II" or "MM" at OrderMark of the note
};

// How one maker's directory is laid out inside its maker note.
struct TMakerLayout {
  std::string_view Key;         // first five letters of the make, upper case
  std::string_view NotePrefix;  // the note must begin with this (empty: any note)
  // nullptr: a layout whose tags the maker's table does not describe (no rows).
  std::span<const TTagEntry> (*Table)();
  int64_t DirStart;  // offset of the entry count in the note (an inner header says its own)
  TOffsets Offsets;
  TOrder Order;
  int64_t OrderMark = 0;
  TMoveCheck Moves = TMoveCheck::None;  // of a note whose offsets count from the TIFF header
};

// clang-format off
constexpr TMakerLayout kMakerLayouts[] = {
    // Nikon cameras of the last twenty years: "Nikon", a zero byte, a version, two zero bytes, then a TIFF header.
    {.Key = "NIKON", .NotePrefix = std::string_view("Nikon\0", 6), .Table = NikonTagTable2, .DirStart = 0, .Offsets = TOffsets::FromInnerHeader, .Order = TOrder::FromNote, .OrderMark = 10},
    {.Key = "NIKON", .NotePrefix = "Nikon", .Table = NikonTagTable1, .DirStart = 8, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif},
    {.Key = "NIKON", .NotePrefix = "", .Table = NikonTagTable2, .DirStart = 0, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    // Current Olympus cameras: "OLYMPUS", a zero byte and the byte order of the note.
    {.Key = "OLYMP", .NotePrefix = std::string_view("OLYMPUS\0", 8), .Table = OlympusTagTable, .DirStart = 12, .Offsets = TOffsets::FromNote, .Order = TOrder::FromNote, .OrderMark = 8},
    {.Key = "OLYMP", .NotePrefix = "", .Table = OlympusTagTable, .DirStart = 8, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "CASIO", .NotePrefix = std::string_view("QVC\0", 4), .Table = nullptr, .DirStart = 0, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif},
    {.Key = "CASIO", .NotePrefix = "", .Table = CasioTagTable, .DirStart = 0, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "FUJIF", .NotePrefix = "", .Table = FujiTagTable, .DirStart = 12, .Offsets = TOffsets::FromNote, .Order = TOrder::Intel},
    {.Key = "CANON", .NotePrefix = "", .Table = CanonTagTable, .DirStart = 0, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::FooterOrValues},
    {.Key = "SEIKO", .NotePrefix = "", .Table = SeikoTagTable, .DirStart = 8, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "SANYO", .NotePrefix = "", .Table = SanyoTagTable, .DirStart = 8, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "MINOL", .NotePrefix = "", .Table = MinoltaTagTable, .DirStart = 0, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    // Sony: a twelve-byte header of the camera, video camera or phone line, or the directory alone.
    {.Key = "SONY", .NotePrefix = std::string_view("SONY DSC \0\0\0", 12), .Table = SonyTagTable, .DirStart = 12, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "SONY", .NotePrefix = std::string_view("SONY CAM \0\0\0", 12), .Table = SonyTagTable, .DirStart = 12, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "SONY", .NotePrefix = std::string_view("SONY MOBILE\0", 12), .Table = SonyTagTable, .DirStart = 12, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "SONY", .NotePrefix = "", .Table = SonyTagTable, .DirStart = 0, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    // Panasonic, and the Leica models Panasonic builds: "Panasonic" and three zero bytes.
    {.Key = "PANAS", .NotePrefix = std::string_view("Panasonic\0\0\0", 12), .Table = PanasonicTagTable, .DirStart = 12, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "LEICA", .NotePrefix = std::string_view("Panasonic\0\0\0", 12), .Table = PanasonicTagTable, .DirStart = 12, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    // Pentax: "AOC", a zero byte and the note's byte order, or two blanks for the EXIF block's.
    {.Key = "PENTA", .NotePrefix = std::string_view("AOC\0", 4), .Table = PentaxTagTable, .DirStart = 6, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::FromNote, .OrderMark = 4, .Moves = TMoveCheck::Values},
    {.Key = "PENTA", .NotePrefix = std::string_view("AOC\0", 4), .Table = PentaxTagTable, .DirStart = 6, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    // Later Pentax cameras: "PENTAX ", a zero byte and the note's byte order.
    {.Key = "PENTA", .NotePrefix = std::string_view("PENTAX \0", 8), .Table = PentaxTagTable, .DirStart = 10, .Offsets = TOffsets::FromNote, .Order = TOrder::FromNote, .OrderMark = 8},
    // Ricoh Imaging's Pentax cameras carry the Pentax notes under the make RICOH.
    {.Key = "RICOH", .NotePrefix = std::string_view("PENTAX \0", 8), .Table = PentaxTagTable, .DirStart = 10, .Offsets = TOffsets::FromNote, .Order = TOrder::FromNote, .OrderMark = 8},
    {.Key = "RICOH", .NotePrefix = std::string_view("AOC\0", 4), .Table = PentaxTagTable, .DirStart = 6, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::FromNote, .OrderMark = 4, .Moves = TMoveCheck::Values},
    {.Key = "RICOH", .NotePrefix = std::string_view("AOC\0", 4), .Table = PentaxTagTable, .DirStart = 6, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    // Ricoh cameras built by Pentax: "RICOH", a zero byte, the note's byte order, Pentax's directory.
    {.Key = "RICOH", .NotePrefix = std::string_view("RICOH\0", 6), .Table = PentaxTagTable, .DirStart = 8, .Offsets = TOffsets::FromNote, .Order = TOrder::FromNote, .OrderMark = 6},
    // Ricoh's own: "RICOH" or "Ricoh" and three more bytes; the directory's byte order is found by its fit.
    {.Key = "RICOH", .NotePrefix = "RICOH", .Table = RicohTagTable, .DirStart = 8, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    {.Key = "RICOH", .NotePrefix = "Ricoh", .Table = RicohTagTable, .DirStart = 8, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    // Samsung cameras and phones since about 2010: a directory at the note's first byte.
    {.Key = "SAMSU", .NotePrefix = "", .Table = SamsungTagTable, .DirStart = 0, .Offsets = TOffsets::FromTiffHeader, .Order = TOrder::Exif, .Moves = TMoveCheck::Values},
    // iPhones and iPads: "Apple iOS", a zero byte, a two-byte version and "MM".
    {.Key = "APPLE", .NotePrefix = std::string_view("Apple iOS\0", 10), .Table = AppleTagTable, .DirStart = 14, .Offsets = TOffsets::FromNote, .Order = TOrder::FromNote, .OrderMark = 12},
};
// clang-format on

// The byte order named by "II" or "MM" at offset at of the note.
std::optional<bool> BigEndianMarkAt(const ByteView& note, int64_t at) {
  const std::string mark = note.CopyClamped(at, 2);
  if (mark == "MM") return true;
  if (mark == "II") return false;
  return std::nullopt;
}

// Whether the note carries what the layout needs beyond its prefix: the byte
// order mark, and for an inner TIFF header also its 42 and first-directory offset.
bool HasInnerMarks(const TMakerLayout& layout, const ByteView& note) {
  if (layout.Order != TOrder::FromNote) return true;
  const auto bigEndian = BigEndianMarkAt(note, layout.OrderMark);
  if (!bigEndian) return false;
  if (layout.Offsets != TOffsets::FromInnerHeader) return true;
  return note.Fits(layout.OrderMark + 2, 6) &&
         note.U16(layout.OrderMark + 2, *bigEndian) == kTiffMagic;
}

const TMakerLayout* FindLayout(std::string_view make, std::string_view note) {
  const std::string key = UpperAscii(make.substr(0, kMakeKeyLength));
  for (const TMakerLayout& layout : kMakerLayouts) {
    if (layout.Key == key && note.starts_with(layout.NotePrefix) &&
        HasInnerMarks(layout, ByteView(note))) {
      return &layout;
    }
  }
  return nullptr;
}

// The byte order in which the directory's entries fit in the note: the one
// given, else the other (some cameras and editors write the note so); none
// when neither fits.
std::optional<bool> OrderThatFits(const ByteView& note, int64_t dirStart, bool bigEndian) {
  if (!note.Fits(dirStart, kTiffEntryCountSize)) return std::nullopt;
  for (const bool order : {bigEndian, !bigEndian}) {
    if (note.Fits(dirStart + kTiffEntryCountSize, kTiffEntrySize * note.U16(dirStart, order))) {
      return order;
    }
  }
  return std::nullopt;
}

}  // namespace

TMakerNotePlan PlanMakerNote(const TTiffWalk& walk, const TTiffEntry& entry,
                             std::string_view make) {
  const TMakerLayout* layout = FindLayout(make, entry.Value);
  if (!layout) return {};
  if (!layout->Table) return {.KnownMaker = true};

  const ByteView note(entry.Value);
  bool bigEndian = walk.BigEndian;
  int64_t dirStart = layout->DirStart;
  int64_t origin = 0;
  switch (layout->Order) {
    case TOrder::Exif:
      break;
    case TOrder::Intel:
      bigEndian = false;
      break;
    case TOrder::FromNote:
      bigEndian = *BigEndianMarkAt(note, layout->OrderMark);
      break;
  }
  switch (layout->Offsets) {
    case TOffsets::FromTiffHeader:
      // The walk's origin is the TIFF header, wherever the block stands in its bytes.
      origin = walk.Origin - entry.Position;
      break;
    case TOffsets::FromNote:
      break;
    case TOffsets::FromInnerHeader:
      origin = layout->OrderMark;
      dirStart = origin + note.U32(origin + 4, bigEndian);
      break;
  }
  // A directory that fits in neither byte order is no directory: no rows rather than garbage.
  const auto order = OrderThatFits(note, dirStart, bigEndian);
  if (!order) return {.KnownMaker = true};
  origin += MovedNoteShift(note, dirStart, origin, *order, layout->Moves);
  // A value that does not lie in the note is read from the walk's bytes at the
  // place its offset names, counted from the same origin.
  return {.KnownMaker = true,
          .Walk = TMakerNoteWalk{.Table = layout->Table(),
                                 .DirStart = dirStart,
                                 .Origin = origin,
                                 .FallbackOrigin = entry.Position + origin,
                                 .BigEndian = *order}};
}

TmsInfo::TmsInfo(TImageInfo& info, const TTiffWalk& walk, const TTiffEntry& note)
    : Info(&info), walk_(walk), note_(note) {}

bool TmsInfo::DecodeMakerNote() {
  const TMakerNotePlan plan = PlanMakerNote(walk_, note_, Info->CameraMake);
  // The maker's directory is a walk of its own, in its own byte order.
  if (plan.Walk) Info->ReadMakerNoteDirectory(walk_, note_.Value, *plan.Walk);
  return plan.KnownMaker;
}

}  // namespace pixolyn
