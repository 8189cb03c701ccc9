#pragma once
// Small text helpers over 8-bit (Windows-1252) strings.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pixolyn {

// Case changes of the ASCII letters a-z only; other bytes stay as they are.
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Value of a hexadecimal digit (either letter case); -1 for any other character.
int HexDigitValue(char c);

// Removes leading and trailing characters whose code is 32 or lower.
std::string_view TrimControlAndBlank(std::string_view text);

// The integer text conversion every reader of numbers in texts shares:
// leading blanks, optional sign, decimal digits or hex after "$", "x", "X" or
// "0x"; ends at the end or at a NUL. Anything else, or a value outside the
// signed 32-bit range, is a failure (nullopt).
std::optional<int32_t> TextToInt(std::string_view text);

// Splits at each CR LF; a CR LF at the very end yields no empty last line.
// Calls sink(line) for each line.
template <typename Sink>
void ForEachCrLfLine(std::string_view text, Sink&& sink) {
  while (!text.empty()) {
    const auto pos = text.find("\r\n");
    if (pos == std::string_view::npos) {
      sink(text);
      return;
    }
    sink(text.substr(0, pos));
    text.remove_prefix(pos + 2);
  }
}

}  // namespace pixolyn
