#pragma once
// Conversion of engine texts (Windows-1252) to and from UTF-8. The sections
// of a picture convert its texts once; the rest of the engine stays in
// Windows-1252.

#include <string>
#include <string_view>

namespace pixolyn {

std::string Cp1252ToUtf8(std::string_view text);

// The UTF-8 form of a constant Windows-1252 text (a label), made once and
// kept for the program's life; an ASCII text is its own.
std::string_view ConstantUtf8(std::string_view text);

// Characters with no Windows-1252 form become "?".
std::string Utf8ToCp1252(std::string_view text);

// The text as well-formed UTF-8: a byte that begins no character, and an
// overlong form or a surrogate, becomes "?".
std::string ValidUtf8(std::string_view text);

// Whether every byte of text belongs to a well-formed UTF-8 character.
bool IsUtf8(std::string_view text);

}  // namespace pixolyn
