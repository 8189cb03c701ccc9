#include "tiff/ExifDictionary.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

#include "metadata/TextUtil.h"

namespace pixolyn {

std::span<const TTagEntry> ExifTagsWithoutClosing() {
  const auto table = ExifTagTable();
  return table.first(table.size() - 1);
}

namespace {

// Every tag of a constant table with the position of its last entry, sorted
// by tag: the lookup runs for each entry of each file, and a search from the
// end over the whole table was a tenth of the cost of a picture's table.
class TLastEntryIndex {
 public:
  explicit TLastEntryIndex(std::span<const TTagEntry> table) : table_(table) {
    for (std::size_t i = 0; i < table.size(); ++i) slots_.push_back({table[i].Tag, i});
    std::sort(slots_.begin(), slots_.end());
  }

  const TTagEntry* Find(uint16_t tag) const {
    // The last slot of this tag is the one before the first slot of a greater tag.
    const auto after = std::upper_bound(slots_.begin(), slots_.end(),
                                        std::pair{tag, std::numeric_limits<std::size_t>::max()});
    if (after == slots_.begin() || std::prev(after)->first != tag) return nullptr;
    return &table_[std::prev(after)->second];
  }

 private:
  std::span<const TTagEntry> table_;
  std::vector<std::pair<uint16_t, std::size_t>> slots_;
};

}  // namespace

const TTagEntry& LookupTagEntry(uint16_t tag, TDirectoryKind kind) {
  static const TLastEntryIndex exif(ExifTagsWithoutClosing());
  static const TLastEntryIndex gps(GpsTagTable());
  const TTagEntry* entry = (kind == GpsKind ? gps : exif).Find(tag);
  return entry ? *entry : ExifTagTable().back();
}

int FindExifTagByName(std::string_view name) {
  const auto table = ExifTagsWithoutClosing();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (EqualsIgnoringAsciiCase(table[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace pixolyn
