#pragma once
// Raw tag bytes to the value text the table shows, and to numbers.
// bigEndian is the byte order of the raw bytes: true for Motorola ("MM"),
// false for Intel ("II").

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tiff/FixedPoint.h"

namespace pixolyn {

// A value text that a formatter needs as a whole number is none. Readers catch
// it at the level where decoding can go on.
class ValueConversionError : public std::runtime_error {
 public:
  explicit ValueConversionError(std::string_view text);
};

// Bytes per component of a TIFF type code; 0 for type 0 and every type above 12.
int TypeSize(int type);

// Value text of a numeric entry (not ASCII or UNDEFINED): the components
// joined by ", " (integers in decimal or through the value map, fractions as
// "n/d", floats as "-9999.99"), then the format pattern if there is one.
// BYTE, SHORT, LONG and RATIONAL read unsigned, the S types signed.
// "0" for a type without a component size. Does not throw.
std::string FormatTagValue(std::string_view raw, int type, std::string_view valueMap,
                           std::string_view pattern, bool bigEndian);

// Numeric value of a raw value, signed as its type is: integers read over all bytes as one number,
// the first fraction, the first float. 0 for non-numeric types, a division by
// zero, a NaN or an infinity. Does not throw.
double TagValueAsNumber(std::string_view raw, int type, bool bigEndian);

// The bytes as one unsigned number in the given order, wrapping at 32 bits and
// read as signed, whatever the type: FF FF gives 65535, FF FF FF FF gives -1. Of a longer
// string only the last four bytes (Motorola) or the first four (Intel) count.
// 0 for no bytes.
int32_t RawToInteger(std::string_view bytes, bool bigEndian);

// Text of the value map entry for keyText (trimmed of blanks and control
// characters); empty if the map has no such key. The first entry wins.
std::string DecodeValueMap(std::string_view valueMap, const std::string& keyText);

// Value of "numerator/denominator"; 0 on any failure, 0/0 and x/0 included.
double ParseRationalText(const std::string& text);

// At most the first 50 characters, every character below 32 replaced by ".".
std::string MakePrintable(std::string text);

}  // namespace pixolyn
