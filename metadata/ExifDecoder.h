#pragma once
// TImageInfo: the EXIF decoder. Walks the TIFF directories of one EXIF block
// and keeps the decoded tags.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
  int64_t MakerNoteOffset = 0;  // first byte of the maker note in the EXIF bytes

  // Reads the directory whose entry count stands at start of DataBuffer and
  // the sub-directories it points to. Stored value offsets count from base;
  // a directory of more entries than sizeLimit allows is refused. An error
  // raised here (a formatter that fails) ends the directory and reaches the
  // caller; errors inside sub-directories end only those.
  void ReadDirectory(int64_t start, int64_t base, int64_t sizeLimit, TDirectoryKind kind);

  // Reads a vendor directory out of data with the vendor's table; its entries
  // are stored with Group 1. Value offsets count from origin in data, or from
  // fallbackOrigin in the EXIF bytes for a value that does not lie in data.
  // Never raises: a failure ends the directory and lands in the owner's
  // ErrorText. DataBuffer holds the EXIF bytes again afterwards.
  void ReadMakerNoteDirectory(const std::string& data, std::span<const TTagEntry> table,
                              int64_t dirStart, int64_t origin, int64_t fallbackOrigin);

  // Appends "FocalLengthin35mmFilm" computed from the focal length, the
  // picture size and the focal-plane resolution, unless the file holds it.
  void AddFocalLength35();
  // Numeric value of the first stored tag of that name; 0 if none.
  double TagNumberByName(std::string_view name) const;
  // The same, rounded with halves to the even neighbour.
  int TagIntegerByName(std::string_view name) const;
  // Crop factor used when the sensor size is not known.
  double DefaultCropFactor() const;

  int AddTag(const TTagEntry& entry);
  virtual int FindTagByName(std::string_view name) const;
  virtual std::string GetTagText(std::string_view name) const;
  TTagEntry GetTagByName(std::string_view name) const;

 private:
  struct EntryHeader;

  void ReadDirectoryEntry(const EntryHeader& header, int64_t entryOffset, int64_t base,
                          int64_t sizeLimit, TDirectoryKind kind);
  void ReadSubDirectory(int64_t pointerOffset, int64_t base, int64_t sizeLimit,
                        TDirectoryKind kind);
  void ReadMakerNoteEntry(const std::string& data, const std::string& exifBytes,
                          std::span<const TTagEntry> table, int64_t entryOffset, int64_t origin,
                          int64_t fallbackOrigin);
  EntryHeader ReadEntryHeader(int64_t entryOffset) const;
  // Stores the dictionary entry with its decoded value; a failure to grow drops this entry only.
  void StoreEntry(const TTagEntry& definition, int32_t group, uint16_t type, std::string text,
                  std::string raw);
  void SetOwnerError(const std::string& message);

  // What the walks may still read, all directories together. A sound block
  // stays far below these; without them, pointers that many entries share
  // would have the same directories and values read (and numbers formatted)
  // again for each entry, without bound in time and memory.
  struct TReadBudget {
    int64_t Entries = 2048;
    int64_t ValueBytes = -1;    // set from the size of the EXIF bytes at the first read
    int64_t Components = 4096;  // numbers formatted as value texts
  };
  bool TakeEntry();
  bool TakeValueBytes(int64_t bytes);
  // The first components of raw that the budget still allows to be formatted.
  std::string_view ComponentsToFormat(std::string_view raw, uint16_t type);

  // Directories being read, outermost first: a pointer back into one of them,
  // or nesting deeper than a TIFF file can need, is not followed.
  std::vector<int64_t> openDirectories_;
  TReadBudget budget_;
};

}  // namespace pixolyn
