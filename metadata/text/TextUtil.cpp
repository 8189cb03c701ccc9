#include "metadata/TextUtil.h"

namespace pixolyn {

namespace {
char UpperChar(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
char LowerChar(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

int DigitValue(char c, int radix) {
  const int v = HexDigitValue(c);
  return v < radix ? v : -1;
}
}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperChar(c);
  return out;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerChar(c);
  return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  }
  return true;
}

std::string_view TrimControlAndBlank(std::string_view text) {
  auto low = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && low(text.front())) text.remove_prefix(1);
  while (!text.empty() && low(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<int32_t> TextToInt(std::string_view text) {
  // The text ends at a NUL as at its end.
  if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int radix = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    radix = 16;
    ++i;
  } else if (text.substr(i, 2) == "0x") {  // only this spelling; "0X" is no prefix
    radix = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], radix);
    if (digit < 0) return std::nullopt;
    value = value * radix + digit;
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace pixolyn
