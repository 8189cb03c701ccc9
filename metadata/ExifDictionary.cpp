#include "metadata/ExifDictionary.h"

#include "metadata/TextUtil.h"

namespace pixolyn {

std::span<const TTagEntry> ExifTagsWithoutClosing() {
  const auto table = ExifTagTable();
  return table.first(table.size() - 1);
}

TTagEntry LastTagEntry(uint16_t tag, std::span<const TTagEntry> table, const TTagEntry& fallback) {
  for (std::size_t i = table.size(); i-- > 0;) {
    if (table[i].Tag == tag) return table[i];
  }
  return fallback;
}

TTagEntry LookupTagEntry(uint16_t tag, TDirectoryKind kind) {
  const auto table = kind == GpsKind ? GpsTagTable() : ExifTagsWithoutClosing();
  return LastTagEntry(tag, table, ExifTagTable().back());
}

int FindExifTagByName(const std::string& name) {
  const auto table = ExifTagsWithoutClosing();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (EqualsIgnoringAsciiCase(table[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace pixolyn
