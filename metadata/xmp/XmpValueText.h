#pragma once
// How an XMP value reads in the table: dates in the German short form,
// the rejected rating, long binary data as its size; anything else as written.

#include <string>
#include <string_view>

namespace pixolyn {

// "2024-05-01T14:03:22+02:00" as "01.05.2024 14:03:22 +02:00", "2024-05" as
// "05.2024"; empty when the text is not such a date. A year alone counts
// only where the property is known to be a date.
std::string GermanXmpDate(std::string_view iso, bool yearAlone);

// The text a property's value shows (lines still joined).
std::string XmpValueText(std::string_view path, std::string_view value, bool isDate);

}  // namespace pixolyn
