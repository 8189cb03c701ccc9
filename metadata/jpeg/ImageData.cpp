#include "metadata/ImageData.h"

#include <unistd.h>

#include <algorithm>
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

constexpr std::string_view kExifSignature("Exif\0", 5);
constexpr std::string_view kXmpSignature("http://ns.adobe.com/xap/1.0/\0", 29);
constexpr std::string_view kXmpExtensionSignature("http://ns.adobe.com/xmp/extension/\0", 35);
// GUID, full length and offset before a chunk's bytes.
constexpr std::size_t kXmpChunkHeader = 32 + 4 + 4;
// Writers fill each chunk up to the segment's limit, so a 16 MiB packet
// comes in fewer than 300; the bound keeps tiny chunks from costing more
// memory than the file holds.
constexpr std::size_t kMaxXmpChunks = 4096;
constexpr uint16_t kTagXmp = 0x02BC;

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
  return ByteView(slot.SegmentData).ViewClamped(2, 5) == kExifSignature;
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

const RegionalSettings& RegionalOf(const TImgData* image) {
  static const RegionalSettings german;
  return image ? image->Regional() : german;
}

TImgData::~TImgData() = default;

void TImgData::ResetImage() {
  SectionCount = 0;
  ExifSection = IptcSection = CommentSection = XmpSection = nullptr;
  XmpChunks.clear();
  xmpChunkBytes_ = 0;
  tiffXmp_.clear();
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
    const auto rest = static_cast<std::size_t>(length - 2);
    if (slot.MarkerCode == kMarkerApp1) {
      // Phones put ICC or JFIF segments first and editors put XMP behind
      // the EXIF block: the first EXIF APP1 wins wherever it stands, so does
      // the first XMP packet, and other APP1 segments (extended XMP chunks
      // among them) neither replace them nor count.
      if (!ReadApp1(file, slot, rest)) --SectionCount;  // the slot is reused
      continue;
    }
    // Only the segments decoded below need their bytes; the others keep
    // just their length bytes, and passing over them costs no copy.
    if (NeedsBytes(slot.MarkerCode)) {
      file.ReadAppend(slot.SegmentData, rest);  // cut short at EOF
    } else {
      file.Skip(rest);
    }

    switch (slot.MarkerCode) {
      case kMarkerEndOfImage:
      case kMarkerStartOfScan:
        return HasMetadata();
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
  return (marker == kMarkerApp13 && !IptcSection) || marker == kMarkerComment;
}

bool TImgData::ReadApp1(TByteSource& file, tSection& slot, std::size_t rest) {
  // The signature says what the segment holds; the extension's is the longest.
  const std::size_t head = std::min(rest, kXmpExtensionSignature.size());
  file.ReadAppend(slot.SegmentData, head);
  const std::string_view payload = std::string_view(slot.SegmentData).substr(2);
  const bool exif = !ExifSection && payload.starts_with(kExifSignature);
  if (exif || (!XmpSection && payload.starts_with(kXmpSignature))) {
    file.ReadAppend(slot.SegmentData, rest - head);  // cut short at EOF
    if (!exif) {
      XmpSection = &slot;
      return true;
    }
    ExifSection = &slot;
    DecodeExifSegment();
    return true;
  }
  if (payload.starts_with(kXmpExtensionSignature)) {
    CollectXmpChunk(file, rest - head);
  } else {
    file.Skip(rest - head);
  }
  return false;
}

void TImgData::CollectXmpChunk(TByteSource& file, std::size_t rest) {
  const std::string header = file.Read(std::min(rest, kXmpChunkHeader));
  rest -= header.size();
  const ByteView view(header);
  if (!view.Fits(0, kXmpChunkHeader) || rest == 0 || XmpChunks.size() == kMaxXmpChunks ||
      rest > kMaxXmpExtension - xmpChunkBytes_) {
    file.Skip(rest);
    return;
  }
  TXmpChunk& chunk = XmpChunks.emplace_back(TXmpChunk{.Guid = header.substr(0, 32),
                                                      .FullLength = view.U32(32, true),
                                                      .Offset = view.U32(36, true)});
  file.ReadAppend(chunk.Data, rest);  // cut short at EOF
  xmpChunkBytes_ += chunk.Data.size();
}

std::string_view TImgData::XmpPacket() const {
  if (!XmpSection) return tiffXmp_;
  return ByteView(XmpSection->SegmentData)
      .ViewClamped(static_cast<int64_t>(2 + kXmpSignature.size()), XmpSection->SegmentLength);
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
  ReadTiffXmp(file, slot.SegmentData, start, bigEndian);
  return true;
}

void TImgData::ReadTiffXmp(TByteSource& file, const std::string& blockBytes, int64_t directory,
                           bool bigEndian) {
  constexpr int64_t kBlockInFile = 8;
  const ByteView block(blockBytes);
  if (!block.Fits(directory, 2)) return;
  const int entries = block.U16(directory, bigEndian);
  for (int i = 0; i < entries; ++i) {
    const int64_t entry = directory + 2 + int64_t{12} * i;
    if (!block.Fits(entry, 12)) return;
    if (block.U16(entry, bigEndian) != kTagXmp) continue;
    // Bytes or undefined values: the count is the packet's size.
    const uint32_t size = block.U32(entry + 4, bigEndian);
    if (size > kMaxXmpExtension) return;
    if (size <= 4) {
      tiffXmp_ = block.CopyClamped(entry + 8, size);
      return;
    }
    const int64_t offset = block.U32(entry + 8, bigEndian);
    const int64_t readSoFar = kBlockInFile + static_cast<int64_t>(block.Size());
    if (offset < kBlockInFile) return;
    // The packet mostly lies beyond the head: the rest of it is read from the file.
    if (offset < readSoFar) {
      tiffXmp_ = block.CopyClamped(offset - kBlockInFile, size);
    } else {
      file.Skip(static_cast<std::size_t>(offset - readSoFar));
    }
    file.ReadAppend(tiffXmp_, size - tiffXmp_.size());
    return;
  }
}

std::string TImgData::GetComment() const {
  if (!CommentSection) return {};
  const ByteView segment(CommentSection->SegmentData);
  if (!segment.Fits(0, 2)) return {};
  const int length = segment.U16(0, true);
  return segment.CopyClamped(2, length - 2);
}

}  // namespace pixolyn
