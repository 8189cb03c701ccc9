#pragma once
// TImgData: one image file's metadata container. Walks the JPEG marker
// segments (or reads the head of a TIFF file), keeps the segments, and owns
// the EXIF and IPTC decoders it creates for them.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/Regional.h"

namespace pixolyn {

class TImageInfo;
class TIPTCdata;
class TByteSource;

struct tSection {
  std::string SegmentData;  // starts with the two length bytes, all it holds of a
                            // segment the walk does not decode
  int MarkerCode = 0;       // second marker byte (0xE1 APP1, 0xED APP13, 0xFE COM)
  int SegmentLength = 0;    // value of the big-endian length field
};

// One chunk of an extended XMP packet, as the segment walk finds it.
struct TXmpChunk {
  std::string Guid;  // the 32 characters as written
  uint32_t FullLength = 0;
  uint32_t Offset = 0;
  std::string Data;
};

class TImgData {
 public:
  static constexpr int kMaxSections = 20;
  static constexpr int kTiffBlockSize = 4098;
  // At most this many bytes of extended XMP chunks are kept, and a packet of
  // more is left out.
  static constexpr uint32_t kMaxXmpExtension = 16u << 20;

  // The decoders write their texts in the given number formats.
  explicit TImgData(RegionalSettings regional = {});
  ~TImgData();
  TImgData(const TImgData&) = delete;
  TImgData& operator=(const TImgData&) = delete;

  // Slot number k (counted from 1) lives at Sections[k - 1].
  // The EXIF bytes are those of ExifSection (a TIFF file's head for a TIFF file), held once.
  std::array<tSection, kMaxSections + 1> Sections;
  int SectionCount = 0;
  tSection* ExifSection = nullptr;
  tSection* IptcSection = nullptr;
  tSection* CommentSection = nullptr;
  tSection* XmpSection = nullptr;  // the first APP1 with a standard XMP packet
  // Every extended XMP chunk of a JPEG file, in file order; they need not
  // stand in the kept slots. Which of them count is known only from the packet.
  std::vector<TXmpChunk> XmpChunks;
  std::string ErrorText;
  // Why DecodeFile could not read the file: the system's error number of
  // asking for it or opening it, or kNotRegularFile; 0 when it could. A file
  // of another kind is not opened, only asked about.
  int FileError = 0;
  std::unique_ptr<TImageInfo> ExifInfo;
  std::unique_ptr<TIPTCdata> IptcInfo;

  bool ReadImageFile(const std::string& path);
  // Reads the head of the file and decodes it; the extension picks JPEG or TIFF.
  bool DecodeFile(const std::string& path);
  // Decodes a file's bytes held in memory as DecodeFile decodes the file of
  // that name; the bytes need not outlive the call.
  bool DecodeBytes(const std::string& name, std::string_view bytes);

  bool HasMetadata() const { return ExifSection || CommentSection || IptcSection; }
  bool HasExif() const { return ExifSection != nullptr; }
  bool HasIptc() const { return IptcSection != nullptr; }
  bool HasComment() const { return CommentSection != nullptr; }
  bool HasXmp() const { return !XmpPacket().empty(); }

  // The standard XMP packet: of the XMP segment after its signature, or of a
  // TIFF file's first directory; empty without.
  std::string_view XmpPacket() const;

  std::string GetComment() const;
  void ResetImage();

  // Slot number (from 1) of a kept segment; 0 for none.
  int SlotOf(const tSection* section) const;

  const RegionalSettings& Regional() const { return regional_; }

 private:
  RegionalSettings regional_;
  enum class TFileKind { Unknown, Jpeg, Tiff };
  static TFileKind KindOfName(const std::string& name);

  bool Decode(TFileKind kind, TByteSource& source);
  bool ReadJpegSections(TByteSource& source);
  // Whether the walk decodes a segment of this marker that it meets now.
  bool NeedsBytes(int marker) const;
  void DecodeExifSegment();
  // Reads the rest of an APP1 segment into slot as far as it needs it, and
  // tells whether the segment keeps its slot.
  bool ReadApp1(TByteSource& source, tSection& slot, std::size_t rest);
  void CollectXmpChunk(TByteSource& source, std::size_t rest);
  bool ReadTiffHeader(TByteSource& source);
  void ReadTiffXmp(TByteSource& source, const std::string& block, int64_t directory,
                   bool bigEndian);

  std::string tiffXmp_;
  std::size_t xmpChunkBytes_ = 0;
};

// Stands for a name that is not a regular file (a folder, a pipe, a device,
// a socket) where an error number is expected; no system error number is negative.
inline constexpr int kNotRegularFile = -1;

// 0 for a regular file; else the system's error number of asking for it, or
// kNotRegularFile.
int RegularFileError(const std::string& path);

// The number formats the decoders of image write in; the German ones without an image.
const RegionalSettings& RegionalOf(const TImgData* image);

// Opens a regular file for reading; the descriptor, which the caller closes,
// or -1 with the reason in error (as RegularFileError gives it, or the
// system's error number of opening). Never blocks: a pipe is refused, not
// waited on, and a device is not even opened.
int OpenRegularFile(const std::string& path, int& error);

// The whole of a regular file of at most maxSize bytes, opened as above; false
// with the reason in error (EFBIG for a larger file) when it cannot be read.
bool ReadRegularFile(const std::string& path, int64_t maxSize, std::string& bytes, int& error);

}  // namespace pixolyn
