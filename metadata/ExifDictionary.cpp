#include "metadata/ExifDictionary.h"

#include <array>

#include "metadata/TextUtil.h"

namespace pixolyn {

namespace {
// Filled by the EXIF dictionary; until then only the closing entry stands.
const std::array<TTagEntry, 1> kExifTable = {
    TTagEntry{.Tag = 0, .Name = "Unknown", .Label = "Unbekannt"},
};
}  // namespace

std::span<const TTagEntry> ExifTagTable() { return kExifTable; }
std::span<const TTagEntry> GpsTagTable() { return {}; }

TTagEntry LookupTagEntry(uint16_t tag, TDirectoryKind kind) {
  const auto exif = ExifTagTable();
  TTagEntry result = exif.back();
  const auto table = kind == GpsKind ? GpsTagTable() : exif;
  for (const TTagEntry& entry : table) {
    if (entry.Tag == tag) result = entry;
  }
  return result;
}

int FindExifTagByName(const std::string& name) {
  const auto table = ExifTagTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (EqualsIgnoringAsciiCase(table[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace pixolyn
