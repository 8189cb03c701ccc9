#include "metadata/ImageData.h"

#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "jpeg/HeadReader.h"
#include "metadata/ExifDecoder.h"
#include "metadata/IptcDecoder.h"
#include "metadata/TextUtil.h"
#include "tiff/ByteView.h"

namespace pixolyn {

namespace {
constexpr int kMarkerEndOfImage = 0xD9;
constexpr int kMarkerStartOfScan = 0xDA;
constexpr int kMarkerApp1 = 0xE1;
constexpr int kMarkerApp13 = 0xED;
constexpr int kMarkerComment = 0xFE;

// Where the first directory's entry count stands in block: at the offset the
// TIFF header stores (counted from the header at headerInBlock), unless that
// points into the header or outside the block; then at the fallback.
int64_t FirstDirectoryStart(const ByteView& block, int64_t headerInBlock, uint32_t storedOffset,
                            int64_t fallback) {
  constexpr uint32_t kTiffHeaderSize = 8;
  const int64_t start = headerInBlock + storedOffset;
  return storedOffset >= kTiffHeaderSize && block.Fits(start, 2) ? start : fallback;
}

bool IsExifSegment(const tSection& slot) {
  return ByteView(slot.SegmentData).CopyClamped(2, 5) == std::string_view("Exif\0", 5);
}

std::string LowerExtension(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return LowerAscii(std::string_view(path).substr(dot));
}
}  // namespace

TImgData::TImgData(RegionalSettings regional) : regional_(std::move(regional)) {
  ResetImage();
}

TImgData::~TImgData() = default;

void TImgData::ResetImage() {
  SectionCount = 0;
  ExifSection = IptcSection = CommentSection = nullptr;
  ErrorText.clear();
  ExifInfo.reset();
  IptcInfo.reset();
}

int TImgData::SlotOf(const tSection* section) const {
  for (std::size_t i = 0; i < Sections.size(); ++i) {
    if (&Sections[i] == section) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool TImgData::ReadImageFile(const std::string& path) {
  DecodeFile(path);
  return HasMetadata();
}

TImgData::TFileKind TImgData::KindOfName(const std::string& name) {
  const std::string ext = LowerExtension(name);
  if (ext == ".jpg" || ext == ".jpeg" || ext == ".jpe") return TFileKind::Jpeg;
  if (ext == ".tif" || ext == ".tiff") return TFileKind::Tiff;
  return TFileKind::Unknown;
}

bool TImgData::DecodeFile(const std::string& path) {
  ResetImage();
  // The caller learns from FileError why a file cannot be read, so that it
  // asks the system no more than this does.
  FileError = RegularFileError(path);
  if (FileError != 0) return false;
  ErrorText = "Not an EXIF file";
  const TFileKind kind = KindOfName(path);
  if (kind == TFileKind::Unknown) {
    if (::access(path.c_str(), R_OK) != 0) FileError = errno;
    return false;
  }
  try {
    HeadReader file(path);
    return Decode(kind, file);
  } catch (const TOpenError& e) {
    // Only the opening raises (the decoding catches its own errors): a JPEG
    // file that cannot be opened counts as a broken one, a TIFF file as none.
    FileError = e.Error;
    if (kind == TFileKind::Jpeg) ErrorText = "Illegal Exif construction";
    return false;
  }
}

bool TImgData::DecodeBytes(const std::string& name, std::string_view bytes) {
  ResetImage();
  ErrorText = "Not an EXIF file";
  const TFileKind kind = KindOfName(name);
  if (kind == TFileKind::Unknown) return false;
  TMemorySource source(bytes);
  return Decode(kind, source);
}

bool TImgData::Decode(TFileKind kind, TByteSource& source) {
  bool read = false;
  try {
    read = kind == TFileKind::Tiff ? ReadTiffHeader(source) : ReadJpegSections(source);
  } catch (const std::exception&) {
    read = false;
  }
  if (!read) return false;
  ErrorText = "<none>";
  return true;
}

bool TImgData::ReadJpegSections(TByteSource& file) {
  const auto soi0 = file.ReadByte();
  const auto soi1 = file.ReadByte();
  if (soi0 != 0xFF || soi1 != 0xD8) return false;
  SectionCount = 0;
  while (SectionCount < kMaxSections) {
    std::optional<unsigned char> marker;
    do {
      marker = file.ReadByte();
    } while (marker == 0xFF);
    if (!marker) return HasMetadata();  // the end of the file ends the walk like EOI

    const auto high = file.ReadByte();
    const auto low = file.ReadByte();
    if (!high || !low) return HasMetadata();
    const int length = *high << 8 | *low;
    if (length < 2) return HasMetadata();

    ++SectionCount;
    tSection& slot = Sections[static_cast<std::size_t>(SectionCount - 1)];
    slot.MarkerCode = *marker;
    slot.SegmentLength = length;
    slot.SegmentData.clear();
    slot.SegmentData += static_cast<char>(*high);
    slot.SegmentData += static_cast<char>(*low);
    // Only the segments decoded below need their bytes; the others keep
    // just their length bytes, and passing over them costs no copy.
    const auto rest = static_cast<std::size_t>(length - 2);
    if (NeedsBytes(slot.MarkerCode)) {
      file.ReadAppend(slot.SegmentData, rest);  // cut short at EOF
    } else {
      file.Skip(rest);
    }

    switch (slot.MarkerCode) {
      case kMarkerEndOfImage:
      case kMarkerStartOfScan:
        return HasMetadata();
      case kMarkerApp1:
        // Phones put ICC or JFIF segments first and editors put XMP behind
        // the EXIF block: the first EXIF APP1 wins wherever it stands, and
        // other APP1 segments neither replace it nor count.
        if (ExifSection || !IsExifSegment(slot)) {
          --SectionCount;  // discarded: the slot is reused and does not count
          break;
        }
        ExifSection = &slot;
        DecodeExifSegment();
        break;
      case kMarkerApp13:
        if (!IptcSection) {
          IptcSection = &slot;
          IptcInfo = std::make_unique<TIPTCdata>(this);
        }
        break;
      case kMarkerComment:
        CommentSection = &slot;
        break;
      default:
        break;
    }
  }
  return HasMetadata();
}

bool TImgData::NeedsBytes(int marker) const {
  return (marker == kMarkerApp1 && !ExifSection) || (marker == kMarkerApp13 && !IptcSection) ||
         marker == kMarkerComment;
}

void TImgData::DecodeExifSegment() {
  ExifInfo = std::make_unique<TImageInfo>(this);
  const ByteView segment(ExifSection->SegmentData);
  if (!IsExifSegment(*ExifSection)) {
    ErrorText = "Incorrect Exif header";
    return;
  }
  const std::string order = segment.CopyClamped(8, 2);
  if (order != "II" && order != "MM") {
    ErrorText = "Invalid Exif alignment marker";
    return;
  }
  const bool bigEndian = order == "MM";
  constexpr int64_t kHeader = 8;
  const int64_t start =
      segment.Fits(kHeader + 4, 4)
          ? FirstDirectoryStart(segment, kHeader, segment.U32(kHeader + 4, bigEndian), kHeader + 8)
          : kHeader + 8;
  ExifInfo->ReadDirectory(segment.Bytes(), bigEndian, start, kHeader,
                          int64_t{ExifSection->SegmentLength} + 3);
  ExifInfo->AddFocalLength35();
}

bool TImgData::ReadTiffHeader(TByteSource& file) {
  const std::string order = file.Read(2);
  if (order != "II" && order != "MM") return false;
  const std::string rest = file.Read(6);  // identification number, first-directory offset
  tSection& slot = Sections[0];
  slot.SegmentData = file.Read(kTiffBlockSize);  // a short file keeps what is there
  slot.SegmentLength = static_cast<int>(slot.SegmentData.size());
  slot.MarkerCode = 0;
  SectionCount = 1;
  ExifSection = &slot;
  ExifInfo = std::make_unique<TImageInfo>(this);
  const bool bigEndian = order == "MM";
  // Stored offsets count from the file's first byte, 8 bytes before the block;
  // a first directory outside the block is looked for at file offset 8.
  constexpr int64_t kHeader = -8;
  const ByteView block(slot.SegmentData);
  const ByteView head(rest);
  const int64_t start =
      head.Fits(2, 4) ? FirstDirectoryStart(block, kHeader, head.U32(2, bigEndian), 0) : 0;
  ExifInfo->ReadDirectory(block.Bytes(), bigEndian, start, kHeader, 4091);
  ExifInfo->AddFocalLength35();
  return true;
}

std::string TImgData::GetComment() const {
  if (!CommentSection) return {};
  const ByteView segment(CommentSection->SegmentData);
  if (!segment.Fits(0, 2)) return {};
  const int length = segment.U16(0, true);
  return segment.CopyClamped(2, length - 2);
}

}  // namespace pixolyn
