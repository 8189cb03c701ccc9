#include <string>

#include "fuzz/drivers/FuzzChecks.h"
#include "fuzz/drivers/FuzzDrivers.h"
#include "fuzz/drivers/FuzzInput.h"
#include "fuzz/drivers/InputLayout.h"
#include "makernotes/MakerNoteDecoder.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"

namespace pixolyn::fuzz {

namespace {
// Where stored offsets count from: the TIFF header behind a JPEG segment's
// length and "Exif" header, or 8 bytes before a TIFF file's block.
constexpr int64_t kJpegOrigin = 8;
constexpr int64_t kTiffOrigin = -8;
struct TExifCase {
  std::string Block;
  bool TiffLayout = false;
  bool BigEndian = false;
  std::size_t Make = kMakeFromBlock;
  std::size_t NoteOffset = 0;
};

// A decoder set up as the image reader sets it up for this block.
class TBlockDecoder {
 public:
  explicit TBlockDecoder(const TExifCase& exif) : exif_(exif), info_(&owner_) {
    if (exif.Make != kMakeFromBlock) info_.CameraMake = kExifMakes[exif.Make];
  }

  TImageInfo& Info() { return info_; }

  void RequireSound() const {
    RequireSoundTagList(info_.TagList, info_.TagCount);
    RequireBoundedStorage(info_.TagList, info_.TagCount, exif_.Block.size(), kHeldPerExifByte);
    Require(info_.CameraMake.size() <= 32, "camera make longer than 32 characters");
  }

 private:
  const TExifCase& exif_;
  TImgData owner_;
  TImageInfo info_;
};

// The first directory as the image reader reads it: behind the APP1 header of
// a JPEG segment, or at the start of a TIFF file's block. Returns the camera
// make the walk ends with.
std::string ReadFirstDirectory(const TExifCase& exif) {
  TBlockDecoder decoder(exif);
  TImageInfo& info = decoder.Info();
  if (exif.TiffLayout) {
    info.ReadDirectory(exif.Block, exif.BigEndian, 0, kTiffOrigin, 4091, ExifKind);
  } else {
    const ByteView block(exif.Block);
    const int64_t length = block.Fits(0, 2) ? block.U16(0, true) : 0;
    info.ReadDirectory(exif.Block, exif.BigEndian, 16, kJpegOrigin, length + 3, ExifKind);
  }
  info.AddFocalLength35();
  decoder.RequireSound();
  return info.CameraMake;
}

// The maker note straight from the chosen offset, whether or not a directory
// pointed there, by a decoder of its own.
void ReadMakerNote(const TExifCase& exif, const std::string& make) {
  TBlockDecoder decoder(exif);
  TImageInfo& info = decoder.Info();
  info.CameraMake = make;
  struct TNoEntries final : TEntrySink {
    bool Take(const TTiffEntry&, const TTiffWalk&) override { return true; }
  } none;
  TWalkLimits limits;
  const ByteView block(exif.Block);
  const TTiffWalk walk{.Bytes = block,
                       .BigEndian = exif.BigEndian,
                       .Origin = exif.TiffLayout ? kTiffOrigin : kJpegOrigin,
                       .FallbackBytes = block,
                       .Limits = limits,
                       .Sink = none};
  const auto offset = static_cast<int64_t>(exif.NoteOffset);
  const TTiffEntry note{.Tag = 0x927C,
                        .Type = 7,
                        .Position = offset,
                        .Value = block.ViewClamped(offset, static_cast<int64_t>(block.Size()))};
  TmsInfo(info, walk, note).DecodeMakerNote();
  decoder.RequireSound();
}
}  // namespace

void DriveExifBlock(std::string_view bytes) {
  TFuzzInput input(bytes);
  TExifCase exif;
  exif.Make = input.TakeByte() % (kExifMakes.size() + 1);
  const uint8_t flags = input.TakeByte();
  exif.TiffLayout = (flags & kExifTiffLayout) != 0;
  exif.NoteOffset = input.TakeU16();
  exif.Block =
      std::string(exif.TiffLayout ? input.TakeBytes(TImgData::kTiffBlockSize) : input.TakeRest());
  exif.BigEndian = (flags & kExifMotorola) != 0;
  const std::string make = ReadFirstDirectory(exif);
  ReadMakerNote(exif, exif.Make == kMakeFromBlock ? make : std::string(kExifMakes[exif.Make]));
}

}  // namespace pixolyn::fuzz
