#pragma once
// The EXIF and GPS tag dictionaries and the lookups on them.

#include <cstdint>
#include <span>
#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

// Which dictionary a directory's tags are looked up in.
enum TDirectoryKind { ExifKind, GpsKind };

std::span<const TTagEntry> ExifTagTable();  // closes with the "Unknown" entry
std::span<const TTagEntry> GpsTagTable();

// Starts from the "Unknown" entry; the last entry of the kind's table with
// this tag replaces it.
TTagEntry LookupTagEntry(uint16_t tag, TDirectoryKind kind);

// Index in the EXIF dictionary by Name (ASCII case ignored); -1 if none.
int FindExifTagByName(const std::string& name);

}  // namespace pixolyn
