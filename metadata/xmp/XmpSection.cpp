#include "xmp/XmpSection.h"

#include <algorithm>
#include <cstdint>

#include "metadata/TextUtil.h"
#include "xmp/XmpPacket.h"

namespace pixolyn {

std::optional<std::string> JoinExtendedXmp(std::span<const TXmpChunk> chunks,
                                           std::string_view guid) {
  std::vector<const TXmpChunk*> own;
  for (const TXmpChunk& chunk : chunks) {
    if (EqualsIgnoringAsciiCase(chunk.Guid, guid)) own.push_back(&chunk);
  }
  if (own.empty() || guid.empty()) return std::nullopt;
  const uint32_t full = own.front()->FullLength;
  if (full > TImgData::kMaxXmpExtension) return std::nullopt;
  std::stable_sort(own.begin(), own.end(),
                   [](const TXmpChunk* a, const TXmpChunk* b) { return a->Offset < b->Offset; });
  std::string joined;
  joined.reserve(full);
  for (const TXmpChunk* chunk : own) {
    // Every chunk must begin where the one before ended and stay inside the
    // full length; anything else is a packet we cannot trust.
    if (chunk->FullLength != full || chunk->Offset != joined.size() ||
        chunk->Data.size() > full - joined.size()) {
      return std::nullopt;
    }
    joined += chunk->Data;
  }
  if (joined.size() != full) return std::nullopt;
  return joined;
}

std::vector<TSectionRow> XmpSectionRows(std::string_view packet,
                                        std::span<const TXmpChunk> chunks) {
  if (packet.empty()) return {};
  const TXmpPacket standard = ReadXmpPacket(packet);
  if (!standard.ExtendedGuid.empty()) {
    if (const auto joined = JoinExtendedXmp(chunks, standard.ExtendedGuid)) {
      const TXmpPacket extension = ReadXmpPacket(*joined);
      return XmpRows(standard, &extension);
    }
  }
  return XmpRows(standard);
}

}  // namespace pixolyn
