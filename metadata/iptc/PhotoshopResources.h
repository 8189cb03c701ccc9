#pragma once
// The resource blocks of a Photoshop (APP13) segment: "8BIM", a 16-bit id, a
// Pascal name padded to an even length, a 32-bit size and the data padded to
// an even length, all numbers most significant byte first.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pixolyn {

// The data of the first resource with this id among the blocks that fill
// bytes from offset from to the end (zero bytes may pad the end); an empty
// view when the blocks hold none. nullopt when the bytes are not such blocks.
std::optional<std::string_view> FindPhotoshopResource(std::string_view bytes, int64_t from,
                                                      uint16_t id);

}  // namespace pixolyn
