#pragma once
// Rules the drivers check on every result.

#include <cstddef>

#include "metadata/TagEntry.h"

namespace pixolyn::fuzz {

// Throws FuzzInvariantBroken with what unless condition holds.
void Require(bool condition, const char* what);

// A tag list keeps count stored entries, none with Tag 0, inside its storage,
// and the slots behind them empty.
void RequireSoundTagList(const TTagDefArray& storage, int count);

// The stored texts and raw values together stay within bytesPerSourceByte
// times the bytes they were decoded from, plus a fixed allowance: however the
// bytes point at each other, they never make the decoder hold much more than
// they are.
// What an EXIF decoder may hold per EXIF byte: the raw values, and texts of a
// few characters per value byte.
inline constexpr std::size_t kHeldPerExifByte = 32;

void RequireBoundedStorage(const TTagDefArray& storage, int count, std::size_t sourceBytes,
                           std::size_t bytesPerSourceByte);

}  // namespace pixolyn::fuzz
