#pragma once
// TImageInfo: the EXIF decoder. Walks the TIFF directories of one EXIF block
// and keeps the decoded tags.

#include <cstdint>
#include <span>
#include <string>

#include "metadata/EndianReader.h"
#include "metadata/ExifDictionary.h"
#include "metadata/TagEntry.h"

namespace pixolyn {

class TImgData;

class TImageInfo : public tEndInd {
 public:
  TImageInfo(TImgData* owner, int buildMode);

  TTagDefArray TagList;
  int TagCount = 0;
  TImgData* OwnerImage = nullptr;  // not owned
  std::string CameraMake;          // at most 32 characters
  int PixelHeight = 0;
  int PixelWidth = 0;
  int BuildMode = 0;
  std::string MakerNoteBytes;
  bool TiffFile = false;
  int64_t MakerNoteOffset = 0;

  void ReadDirectory(int64_t start, int64_t base, int64_t sizeLimit, TDirectoryKind kind);
  void ReadMakerNoteDirectory(const std::string& data, std::span<const TTagEntry> table,
                              int64_t dirStart, int64_t origin, int64_t fallbackOrigin);
  void AddFocalLength35();

  int AddTag(const TTagEntry& entry);
  virtual int FindTagByName(const std::string& name) const;
  virtual std::string GetTagText(const std::string& name) const;
  TTagEntry GetTagByName(const std::string& name) const;
};

}  // namespace pixolyn
