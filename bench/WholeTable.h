#pragma once
// The whole table of one picture as the viewer and pixolyn-info make it.

#include <cstddef>
#include <string>

namespace pixolyn::bench {

// Loads the picture, fills the table, takes its text and frees the record:
// nothing survives it. Returns the text's size.
std::size_t WholeTable(const std::string& path);

}  // namespace pixolyn::bench
