#pragma once
// TImageInfo: the EXIF decoder. Walks the TIFF directories of one EXIF block
// and keeps the decoded tags.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "metadata/EndianReader.h"
#include "metadata/ExifDictionary.h"
#include "metadata/TagEntry.h"
#include "metadata/TiffWalk.h"

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

  // Reads a vendor directory out of data, in the byte order given (or this
  // decoder's), with the vendor's table; its entries are stored with Group 1.
  // Value offsets count from origin in data, or from fallbackOrigin in the
  // owner's EXIF bytes for a value that does not lie in data. Never raises: a
  // failure ends the directory and lands in the owner's ErrorText.
  void ReadMakerNoteDirectory(std::string_view data, std::span<const TTagEntry> table,
                              int64_t dirStart, int64_t origin, int64_t fallbackOrigin);
  void ReadMakerNoteDirectory(std::string_view data, std::span<const TTagEntry> table,
                              int64_t dirStart, int64_t origin, int64_t fallbackOrigin,
                              bool bigEndian);

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
  // Receive the entries of the walks: standard directories and maker notes.
  class TStandardEntries;
  class TMakerEntries;

  // The owner's EXIF bytes, which maker-note values outside the note fall back to.
  const std::string& ExifBytes() const;
  // Stores the dictionary entry with its decoded value; a failure to grow drops this entry only.
  void StoreEntry(const TTagEntry& definition, int32_t group, const TTiffEntry& value,
                  bool bigEndian, std::string text);
  void SetOwnerError(const std::string& message);

  TWalkLimits limits_;
  // Maker notes spend their own: what they read never shortens the standard rows.
  TWalkLimits makerLimits_;
};

}  // namespace pixolyn
