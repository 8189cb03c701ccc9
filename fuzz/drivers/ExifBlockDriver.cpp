#include <string>

#include "fuzz/drivers/FuzzChecks.h"
#include "fuzz/drivers/FuzzDrivers.h"
#include "fuzz/drivers/FuzzInput.h"
#include "fuzz/drivers/InputLayout.h"
#include "metadata/ExifDecoder.h"
#include "metadata/ImageData.h"
#include "metadata/MakerNoteHandoff.h"
#include "metadata/ValueFormat.h"

namespace pixolyn::fuzz {

namespace {
struct TExifCase {
  std::string Block;
  bool TiffLayout = false;
  std::size_t Make = kMakeFromBlock;
  std::size_t NoteOffset = 0;
};

void RequireSoundDecoder(const TImageInfo& info, const TExifCase& exif, bool bigEndian) {
  RequireSoundTagList(info.TagList, info.TagCount);
  RequireBoundedStorage(info.TagList, info.TagCount, exif.Block.size(), kHeldPerExifByte);
  Require(info.DataBuffer == exif.Block, "EXIF bytes not restored after a maker note");
  Require(info.BigEndian == bigEndian, "byte order not restored after a maker note");
  Require(info.CameraMake.size() <= 32, "camera make longer than 32 characters");
}

// The first directory as the image reader reads it: behind the APP1 header of
// a JPEG segment, or at the start of a TIFF file's block.
void ReadFirstDirectory(TImageInfo& info, const TExifCase& exif) {
  try {
    if (exif.TiffLayout) {
      info.ReadDirectory(0, -8, 4091, ExifKind);
    } else {
      const ByteView block(exif.Block);
      const int64_t length = block.Fits(0, 2) ? block.U16(0, true) : 0;
      info.ReadDirectory(16, 8, length + 3, ExifKind);
    }
  } catch (const ValueConversionError&) {
    // A formatter that fails ends the first directory.
  }
}

void ReadInOrder(const TExifCase& exif, bool bigEndian) {
  TImgData owner(255);
  owner.TiffFile = exif.TiffLayout;
  owner.DataBuffer = exif.Block;
  TImageInfo info(&owner, owner.BuildMode);
  info.DataBuffer = exif.Block;
  info.BigEndian = bigEndian;
  if (exif.Make != kMakeFromBlock) info.CameraMake = kExifMakes[exif.Make];

  ReadFirstDirectory(info, exif);
  info.AddFocalLength35();
  RequireSoundDecoder(info, exif, bigEndian);

  // The maker note straight from the chosen offset, whether or not a
  // directory pointed there.
  if (exif.Make != kMakeFromBlock) info.CameraMake = kExifMakes[exif.Make];
  info.MakerNoteBytes = CopyClamped(exif.Block, static_cast<int64_t>(exif.NoteOffset),
                                    static_cast<int64_t>(exif.Block.size()));
  info.MakerNoteOffset = static_cast<int64_t>(exif.NoteOffset);
  HandOffMakerNote(info);
  RequireSoundDecoder(info, exif, bigEndian);
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
  ReadInOrder(exif, (flags & kExifMotorola) != 0);
}

}  // namespace pixolyn::fuzz
