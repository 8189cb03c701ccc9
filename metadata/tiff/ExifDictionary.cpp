#include "tiff/ExifDictionary.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "metadata/TextUtil.h"

namespace pixolyn {

std::span<const TTagEntry> ExifTagsWithoutClosing() {
  const auto table = ExifTagTable();
  return table.first(table.size() - 1);
}

namespace {

// Every tag of a constant table with the position of its last entry, in a
// hash table with open addressing at most a quarter full: the lookup runs for
// each entry of each file, and a binary search cost a few percent of a
// picture's table.
class TLastEntryIndex {
 public:
  explicit TLastEntryIndex(std::span<const TTagEntry> table) : table_(table) {
    if (table.size() >= UINT16_MAX) throw std::length_error("tag table too long to index");
    while (slots_.size() < 4 * table.size()) slots_.resize(2 * slots_.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
      slots_[SlotOf(table[i].Tag)] = {.Tag = table[i].Tag,
                                      .Position = static_cast<uint16_t>(i + 1)};
    }
  }

  const TTagEntry* Find(uint16_t tag) const {
    const TSlot& slot = slots_[SlotOf(tag)];
    return slot.Position == 0 ? nullptr : &table_[slot.Position - 1];
  }

 private:
  struct TSlot {
    uint16_t Tag = 0;
    uint16_t Position = 0;  // in the table, plus one; 0 for an empty slot
  };

  // The slot that holds tag, or the empty one where it would go. The table
  // is never full, so the probing ends.
  std::size_t SlotOf(uint16_t tag) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = (tag * std::size_t{0x9E3779B1}) >> 7 & mask;
    while (slots_[i].Position != 0 && slots_[i].Tag != tag) i = (i + 1) & mask;
    return i;
  }

  std::span<const TTagEntry> table_;
  std::vector<TSlot> slots_ = std::vector<TSlot>(64);  // a power of two
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
