#pragma once
// Apple's binary property lists ("bplist00"), as far as Apple's maker note
// needs them: a dictionary of integers under ASCII keys.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pixolyn {

// The integer stored under key in the dictionary that is the list's top
// object; none when the list is malformed, the top object is no dictionary,
// or the key is missing or holds no integer.
std::optional<int64_t> PropertyListInteger(std::string_view list, std::string_view key);

}  // namespace pixolyn
