#pragma once
// The walk over TIFF directories (image file directories and maker-note
// directories). It owns no state: every call gets its bytes, byte order,
// offset origins, limits and the sink for the entries in a context, and a
// nested directory in other bytes or another byte order is a new call with a
// context of its own.

#include <cstdint>
#include <string>
#include <string_view>

#include "tiff/ByteView.h"
#include "tiff/ExifDictionary.h"

namespace pixolyn {

// A directory is an entry count, then the entries; an entry holds its value
// itself when it fits in four bytes.
inline constexpr int64_t kTiffEntryCountSize = 2;
inline constexpr int64_t kTiffEntrySize = 12;
inline constexpr int64_t kTiffInlineValueSize = 4;

// What the walks of one EXIF block may still read, all directories together.
// A sound block stays far below these; without them, pointers that many
// entries share would have the same directories and values read (and numbers
// formatted) again for each entry, without bound in time and memory.
class TWalkLimits {
 public:
  // Sets the value bytes allowed, from the size of the EXIF bytes, once.
  void AllowValueBytesFor(std::size_t exifBytes);
  bool TakeEntry();
  // False (and nothing more to read at all) when the bytes exceed what is left.
  bool TakeValueBytes(int64_t bytes);
  // The first components of raw that may still be formatted as numbers.
  std::string_view ComponentsToFormat(std::string_view raw, uint16_t type);

 private:
  int64_t entries_ = 2048;
  int64_t valueBytes_ = -1;  // not set yet
  int64_t components_ = 4096;
};

// One directory entry as the walk decoded it.
struct TTiffEntry {
  uint16_t Tag = 0;
  uint16_t Type = 0;
  // Components times type size; 64 bits, so a huge or negative count cannot wrap.
  int64_t Size = 0;
  // Where the value was read in the walk's bytes (the entry's own value field
  // for at most four bytes).
  int64_t Position = 0;
  // The value bytes, cut to the bytes they were read from; valid during the call.
  std::string_view Value;
  TDirectoryKind Kind = ExifKind;  // the dictionary of the directory
};

struct TTiffWalk;

class TEntrySink {
 public:
  // Takes one decoded entry; false refuses it, which ends its directory
  // (a refused pointer is not followed).
  virtual bool Take(const TTiffEntry& entry, const TTiffWalk& walk) = 0;

 protected:
  ~TEntrySink() = default;
};

struct TTiffWalk {
  ByteView Bytes;
  bool BigEndian = false;
  int64_t Origin = 0;      // position in Bytes that stored value offsets count from
  ByteView FallbackBytes;  // where a value that does not lie in Bytes is read
  int64_t FallbackOrigin = 0;
  int64_t SizeLimit = 0;  // bound of 12 * entries + 2 of an image file directory
  TWalkLimits& Limits;
  TWalkLimits* MakerLimits = nullptr;  // what the maker notes under this walk may read
  TEntrySink& Sink;
  std::string* ErrorText = nullptr;  // receives the message of a directory not read
};

// Reads the image file directory whose entry count stands at start, and the
// Exif, interoperability and GPS sub-directories it points to, each after its
// pointer entry. An entry of no value bytes is passed over; a count or entry
// outside the bytes ends a directory quietly; a directory over the size limit is not read
// and reported in ErrorText. An error raised by the sink ends the directory
// and reaches the caller; errors in sub-directories end only those. A pointer
// back into a directory being read, or nesting deeper than a TIFF file can
// need, is not followed.
void WalkImageDirectory(const TTiffWalk& walk, int64_t start, TDirectoryKind kind);

// Reads one maker-note directory: no pointers, an entry of no value bytes is
// passed to the sink like any other, and a value that does not lie wholly in
// the bytes is read from the fallback bytes. Raises ReadOutOfBounds when the
// count or an entry does not lie in the bytes.
void WalkMakerDirectory(const TTiffWalk& walk, int64_t start);

}  // namespace pixolyn
