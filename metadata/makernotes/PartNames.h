#pragma once
// Settings that a maker stores as several numbers in one value, each number
// with words of its own (a formatter for maker tables).

#include <span>
#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

// The first places.size() numbers of an integer value, each through the names
// of its place, joined by "; "; a number its place has no name for shows as
// stored. Numbers beyond the places are left out. Another type shows as value.Text.
std::string NamePartsOfValue(const TTypedValue& value, std::span<const TValueNames> places);

// Formatters for table rows: the places a constant array of names, or the
// first number alone through one constant array of names.
template <const auto& Places>
std::string FormatNamedParts(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  return NamePartsOfValue(value, Places);
}
template <const auto& Names>
std::string FormatNamed(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  const TValueNames names = Names;
  return NamePartsOfValue(value, {&names, 1});
}

}  // namespace pixolyn
