#pragma once
// One tag, as dictionary entry or as decoded tag, and lists of tags.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/Regional.h"

namespace pixolyn {

// One row of a value map: a stored number and the words shown for it.
struct TValueName {
  int64_t Number = 0;
  std::string_view Text;
};
using TValueNames = std::span<const TValueName>;

// The words for number; empty when the map has no row for it.
std::string_view NameOfValue(TValueNames names, int64_t number);

// A value as a directory stores it, handed to a formatter.
struct TTypedValue {
  uint16_t Type = 0;  // TIFF type code
  bool BigEndian = false;
  // The value bytes; of a number value only the components that may be shown.
  std::string_view Bytes;
  // The value as shown without a formatter, for formatters that show it too.
  std::string_view Text;
};

// Turns a value into the text the table shows (may return CR LF lines).
using TTagFormatter = std::string (*)(const TTypedValue& value, const RegionalSettings& regional);

// TIFF type codes as stored in FormatType.
enum TiffType : uint16_t {
  kTypeByte = 1,
  kTypeAscii = 2,
  kTypeShort = 3,
  kTypeLong = 4,
  kTypeRational = 5,
  kTypeSByte = 6,
  kTypeUndefined = 7,
  kTypeSShort = 8,
  kTypeSLong = 9,
  kTypeSRational = 10,
  kTypeFloat = 11,
  kTypeDouble = 12,
};

// Name, Label, ValueMap and FormatPattern are constants of the dictionaries
// (static storage); a decoded tag refers to them instead of copying them, as
// it owns only its value bytes and text.
struct TTagEntry {
  int32_t Group = 0;  // 0 standard tag, 1 maker-note tag
  uint16_t FormatType = 0;
  bool BigEndian = false;          // byte order of RawText's numbers
  uint16_t RecordNumber = 0;       // IPTC record of the dataset
  uint16_t Tag = 0;                // 0: no tag, never stored
  std::string_view Name;           // English name, key of lookups by name
  std::string_view Label;          // German caption (Windows-1252)
  TValueNames ValueMap;            // words for stored numbers
  std::string Text;                // value as shown
  std::string RawText;             // value bytes as stored
  std::string_view FormatPattern;  // "%s" or "%5.2f"
  int32_t MaxSize = 0;
  TTagFormatter Formatter = nullptr;
};

// Storage of a tag list; its owner keeps the count of stored entries apart.
using TTagDefArray = std::vector<TTagEntry>;

// Storage grows in steps of this many records.
inline constexpr int kTagListGrowth = 25;

// Stores entry at position count (growing the storage when its length minus 1
// is not greater than count) unless entry.Tag is 0. Returns count - 1 afterwards.
int AppendToTagList(TTagDefArray& storage, int& count, TTagEntry entry);
// The record at position count, for filling in place: grows the storage by
// the same rule and counts the record as stored.
TTagEntry& NextTagSlot(TTagDefArray& storage, int& count);

// Index of the first of the count entries whose Name equals name ignoring ASCII case.
int FindTagInListByName(const TTagDefArray& storage, int count, std::string_view name);

// Index of the first table entry with this tag; -1 if none.
int FindTagIndex(uint16_t tag, std::span<const TTagEntry> table);

// ValueMap of the last table entry with this tag; empty if none.
TValueNames ValueMapOfTag(uint16_t tag, std::span<const TTagEntry> table);

}  // namespace pixolyn
