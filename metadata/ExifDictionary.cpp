#include "metadata/ExifDictionary.h"

#include "metadata/TextUtil.h"

namespace pixolyn {

std::span<const TTagEntry> ExifTagsWithoutClosing() {
  const auto table = ExifTagTable();
  return table.first(table.size() - 1);
}

TTagEntry LookupTagEntry(uint16_t tag, TDirectoryKind kind) {
  TTagEntry result = ExifTagTable().back();
  const auto table = kind == GpsKind ? GpsTagTable() : ExifTagsWithoutClosing();
  for (const TTagEntry& entry : table) {
    if (entry.Tag == tag) result = entry;
  }
  return result;
}

int FindExifTagByName(const std::string& name) {
  const auto table = ExifTagsWithoutClosing();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (EqualsIgnoringAsciiCase(table[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace pixolyn
