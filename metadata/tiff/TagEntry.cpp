#include "metadata/TagEntry.h"

#include <algorithm>
#include <utility>

#include "metadata/TextUtil.h"

namespace pixolyn {

TTagEntry& NextTagSlot(TTagDefArray& storage, int& count) {
  if (static_cast<int64_t>(storage.size()) - 1 <= count) {
    // The length grows by the fixed step, the capacity geometrically, so
    // that a long list is not moved to new storage every 25 entries.
    // Room for a hundred at first: most pictures have fewer, so their entries never move.
    constexpr std::size_t kFirstCapacity = 4 * kTagListGrowth;
    if (storage.capacity() < storage.size() + kTagListGrowth) {
      storage.reserve(std::max(2 * storage.capacity() + kTagListGrowth, kFirstCapacity));
    }
    storage.resize(storage.size() + kTagListGrowth);
  }
  return storage[static_cast<std::size_t>(count++)];
}

int AppendToTagList(TTagDefArray& storage, int& count, TTagEntry entry) {
  if (entry.Tag != 0) NextTagSlot(storage, count) = std::move(entry);
  return count - 1;
}

int FindTagInListByName(const TTagDefArray& storage, int count, std::string_view name) {
  const int limit = std::min<int>(count, static_cast<int>(storage.size()));
  for (int i = 0; i < limit; ++i) {
    const std::string_view candidate = storage[static_cast<std::size_t>(i)].Name;
    // The length first, here: most names differ in it, and the call costs more.
    if (candidate.size() == name.size() && EqualsIgnoringAsciiCase(candidate, name)) return i;
  }
  return -1;
}

int FindTagIndex(uint16_t tag, std::span<const TTagEntry> table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].Tag == tag) return static_cast<int>(i);
  }
  return -1;
}

std::string_view NameOfValue(TValueNames names, int64_t number) {
  for (const TValueName& name : names) {
    if (name.Number == number) return name.Text;
  }
  return {};
}

TValueNames ValueMapOfTag(uint16_t tag, std::span<const TTagEntry> table) {
  for (std::size_t i = table.size(); i-- > 0;) {
    if (table[i].Tag == tag) return table[i].ValueMap;
  }
  return {};
}

}  // namespace pixolyn
