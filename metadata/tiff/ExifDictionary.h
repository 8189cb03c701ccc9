#pragma once
// The EXIF and GPS tag dictionaries and the lookups on them.

#include <cstdint>
#include <span>
#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

// Which dictionary a directory's tags are looked up in: ExifKind for the main
// image directory and the Exif and interoperability sub-directories, GpsKind
// for the GPS sub-directory.
enum TDirectoryKind { ExifKind, GpsKind };

// 120 tags in their own order, closed by the "Unknown" entry (Tag 0).
std::span<const TTagEntry> ExifTagTable();
// The 27 GPS tags 0x0000 to 0x001A; no closing entry.
std::span<const TTagEntry> GpsTagTable();

// The tags of ExifTagTable without its closing entry.
std::span<const TTagEntry> ExifTagsWithoutClosing();

// Starts from the "Unknown" entry; every entry of the kind's table with this
// tag replaces it, so the last match wins. A result with Tag 0 is "not found".
// The entry lives as long as the program.
const TTagEntry& LookupTagEntry(uint16_t tag, TDirectoryKind kind);

// Index of the first EXIF tag whose Name equals name ignoring ASCII case;
// -1 if none (the closing "Unknown" entry is not searched).
int FindExifTagByName(std::string_view name);

}  // namespace pixolyn
