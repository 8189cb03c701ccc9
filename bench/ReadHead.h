#pragma once
// The floor of reading a picture's metadata: open the file, read its first
// 64 KiB, close it. Any reader of the head pays at least this.

#include <cstddef>
#include <string>

namespace pixolyn::bench {

// The bytes read; 0 when the file cannot be opened.
std::size_t ReadHead(const std::string& path);

}  // namespace pixolyn::bench
