#pragma once
// TImageInfo: the EXIF decoder. Walks the TIFF directories of one EXIF block
// and keeps the decoded tags.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "metadata/TagEntry.h"

namespace pixolyn {

class TImgData;
struct TMakerNoteWalk;
struct TTiffEntry;
struct TTiffWalk;

class TImageInfo {
 public:
  explicit TImageInfo(TImgData* owner);
  virtual ~TImageInfo() = default;
  TImageInfo(const TImageInfo&) = delete;
  TImageInfo& operator=(const TImageInfo&) = delete;

  TTagDefArray TagList;
  int TagCount = 0;
  TImgData* OwnerImage = nullptr;  // not owned
  // The owner's number formats; the German ones without an owner.
  const RegionalSettings& Regional() const;
  std::string CameraMake;  // at most 32 characters
  int PixelHeight = 0;
  int PixelWidth = 0;

  // Reads the directory whose entry count stands at start of the EXIF bytes
  // (in that byte order) and the sub-directories it points to; at the maker
  // note, the maker's directory. Stored value offsets count from base; a
  // directory of more entries than sizeLimit allows is refused. An error
  // raised here (a formatter that fails) ends the directory and reaches the
  // caller; errors inside sub-directories end only those. The bytes need not
  // outlive the call.
  void ReadDirectory(std::string_view exifBytes, bool bigEndian, int64_t start, int64_t base,
                     int64_t sizeLimit);

  // Reads a maker's directory out of note, an entry of the walk, with the
  // maker's table; its entries are stored with Group 1. A value that does not
  // lie in the note is read from the walk's bytes. Never raises: a failure
  // ends the directory and lands in the owner's ErrorText. Only the engine
  // has walks to give.
  void ReadMakerNoteDirectory(const TTiffWalk& walk, std::string_view note,
                              const TMakerNoteWalk& maker);

  // Appends "FocalLengthin35mmFilm" computed from the focal length and the
  // sensor (picture size over focal-plane resolution), unless the file holds it.
  void AddFocalLength35();
  // Numeric value of the first stored tag of that name; 0 if none.
  double TagNumberByName(std::string_view name) const;
  // The same, rounded with halves to the even neighbour.
  int TagIntegerByName(std::string_view name) const;

  int AddTag(const TTagEntry& entry);
  virtual int FindTagByName(std::string_view name) const;
  virtual std::string GetTagText(std::string_view name) const;
  TTagEntry GetTagByName(std::string_view name) const;

 private:
  // Receive the entries of the walks: standard directories and maker notes.
  class TStandardEntries;
  class TMakerEntries;

  // Stores the dictionary entry with its decoded value; a failure to grow drops this entry only.
  void StoreEntry(const TTagEntry& definition, int32_t group, const TTiffEntry& value,
                  bool bigEndian, std::string text);
  void SetOwnerError(const std::string& message);
};

}  // namespace pixolyn
