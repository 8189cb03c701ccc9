#pragma once
// The "XMP-Daten" section of a picture: its standard packet and, when all
// its chunks are there, the extended packet the standard one names.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/ImageData.h"
#include "metadata/Sections.h"

namespace pixolyn {

// The extension's bytes joined by offset from the chunks whose GUID is guid
// (in any letter case); nothing when none has it, or when those chunks
// overlap, leave a gap or disagree on the full length.
std::optional<std::string> JoinExtendedXmp(std::span<const TXmpChunk> chunks,
                                           std::string_view guid);

// No rows without a packet; the chunks count only with one.
std::vector<TSectionRow> XmpSectionRows(std::string_view packet, std::span<const TXmpChunk> chunks);

}  // namespace pixolyn
