#include "fuzz/drivers/FuzzChecks.h"

#include "fuzz/drivers/FuzzDrivers.h"

namespace pixolyn::fuzz {

void Require(bool condition, const char* what) {
  if (!condition) throw FuzzInvariantBroken(what);
}

void RequireSoundTagList(const TTagDefArray& storage, int count) {
  Require(count >= 0 && static_cast<std::size_t>(count) <= storage.size(),
          "tag count outside the storage");
  for (std::size_t i = 0; i < storage.size(); ++i) {
    const TTagEntry& entry = storage[i];
    if (i < static_cast<std::size_t>(count)) {
      Require(entry.Tag != 0, "stored entry without a tag");
    } else {
      Require(entry.Tag == 0 && entry.Text.empty() && entry.Name.empty(),
              "slot behind the stored entries not empty");
    }
  }
}

void RequireBoundedStorage(const TTagDefArray& storage, int count, std::size_t sourceBytes,
                           std::size_t bytesPerSourceByte) {
  constexpr std::size_t kAllowance = 4 << 20;
  std::size_t held = 0;
  for (int i = 0; i < count && static_cast<std::size_t>(i) < storage.size(); ++i) {
    held += storage[static_cast<std::size_t>(i)].Text.size();
    held += storage[static_cast<std::size_t>(i)].RawText.size();
  }
  Require(held <= kAllowance + bytesPerSourceByte * sourceBytes,
          "decoded values far larger than their bytes");
}

}  // namespace pixolyn::fuzz
