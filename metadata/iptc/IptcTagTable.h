#pragma once
// The IPTC datasets the system shows, with their English names, German labels
// and the largest data length the dictionary gives.

#include <array>
#include <cstdint>

#include "metadata/TagEntry.h"

namespace pixolyn {

inline constexpr std::size_t kIptcTagCount = 32;

// The 32 rows. A row is found by (RecordNumber, Tag), first match in row
// order; the row named "SKIP" marks a dataset that yields no entry.
const TTagDefArray& IptcTagTable();

// Datasets of record 2 whose repeats are joined into one entry with ",".
inline constexpr std::array<uint16_t, 2> RepeatableDatasets = {20, 25};

bool IsRepeatableDataset(uint16_t dataset);

}  // namespace pixolyn
