#pragma once
// Small text functions the maker-note formatters are built from. All
// comparisons are exact; fields are counted from 1, elements from 0.

#include <string>
#include <string_view>

namespace pixolyn {

// The text before the first sep; all of s when sep does not occur.
std::string TextBefore(std::string_view s, std::string_view sep);

// The text after the first sep; empty when sep does not occur (all of s for an
// empty sep).
std::string TextAfter(std::string_view s, std::string_view sep);

// The n-th field of s split at sep, counted from 1; n <= 1 gives the first
// field, a field beyond the last is empty. Fields keep their blanks.
std::string FieldOf(std::string_view s, std::string_view sep, int n);

// Occurrences of sep in s, found left to right without overlap; 0 for an empty sep.
int CountOf(std::string_view s, std::string_view sep);

// Element k of a ", "-separated list decoded by the value map.
std::string MappedElement(std::string_view s, int k, std::string_view valueMap);

// label + " = " + the value map's text for the decimal number n.
std::string SettingLine(std::string_view label, int n, std::string_view valueMap);

}  // namespace pixolyn
