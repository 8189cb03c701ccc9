#pragma once
// Formatters (TTagFormatter) of the maker tables that name a stored number
// only where they know it: a number they have no words for (a setting of a
// later camera) shows as stored, never as an empty or a wrong name; and the
// texts and versions some makers store as undefined bytes.

#include <span>
#include <string>

#include "metadata/TagEntry.h"

namespace pixolyn {

// The words of names for a value of one whole number; else the value as shown.
std::string NameOrStoredText(TValueNames names, const TTypedValue& value);
// The same for a value of two bytes named together, as the number 256 * first + second.
std::string PairNameOrStoredText(TValueNames names, const TTypedValue& value);

template <const auto& names>
std::string NameOrStored(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  return NameOrStoredText(names, value);
}

template <const auto& names>
std::string PairNameOrStored(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  return PairNameOrStoredText(names, value);
}

// Settings stored as several numbers in one value, each number with words of
// its own: the first places.size() numbers, joined by "; ", each through the
// names of its place or as stored; numbers beyond the places are left out.
std::string NamePartsOfValue(const TTypedValue& value, std::span<const TValueNames> places);

template <const auto& places>
std::string FormatNamedParts(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  return NamePartsOfValue(value, places);
}

// Undefined bytes that hold a text: up to the first zero byte, in quotes as texts show.
std::string FormatTextBytes(const TTypedValue& value, const RegionalSettings& regional);
// Undefined bytes that hold a version as small numbers: "0.1.0.8".
std::string FormatDottedBytes(const TTypedValue& value, const RegionalSettings& regional);

}  // namespace pixolyn
