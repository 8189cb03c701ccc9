#include "metadata/Cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>

namespace pixolyn {

namespace {
// Code points of 0x80..0x9F; the five unassigned bytes map to the C1 controls.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// How many bytes from the start are ASCII, eight looked at at once.
std::size_t AsciiPrefixLength(std::string_view text) {
  constexpr uint64_t kHighBits = 0x8080808080808080;
  std::size_t i = 0;
  for (uint64_t word = 0; i + sizeof word <= text.size(); i += sizeof word) {
    std::memcpy(&word, text.data() + i, sizeof word);
    if ((word & kHighBits) != 0) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

int ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// One character of a UTF-8 text; Length 0 when the byte at its start begins none.
struct TUtf8Char {
  char32_t CodePoint = 0;
  int Length = 0;
};

// The character at i as its lead and continuation bytes give it, overlong
// forms included.
TUtf8Char Utf8CharAt(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int length = lead < 0x80         ? 1
                     : (lead >> 5) == 6  ? 2
                     : (lead >> 4) == 14 ? 3
                     : (lead >> 3) == 30 ? 4
                                         : 0;
  if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) return {};
  char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) return {};
    cp = (cp << 6) | (next & 0x3F);
  }
  return {.CodePoint = cp, .Length = length};
}

// Calls sink(character, its bytes) for each character of text; a byte that
// begins none comes alone, as a character of Length 0.
template <typename Sink>
void ForEachUtf8Char(std::string_view text, Sink&& sink) {
  std::size_t i = 0;
  while (i < text.size()) {
    const TUtf8Char c = Utf8CharAt(text, i);
    const std::size_t length = c.Length > 0 ? static_cast<std::size_t>(c.Length) : 1;
    sink(c, text.substr(i, length));
    i += length;
  }
}

// Shortest form, no surrogate, within Unicode.
bool WellFormed(const TUtf8Char& c) {
  constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
  return c.Length > 0 && c.CodePoint >= kLeast[static_cast<std::size_t>(c.Length)] &&
         c.CodePoint <= 0x10FFFF && (c.CodePoint < 0xD800 || c.CodePoint > 0xDFFF);
}
}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  // Most texts are ASCII alone and go over in one piece.
  std::size_t i = AsciiPrefixLength(text);
  if (i == text.size()) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  out.append(text.substr(0, i));
  for (; i < text.size(); ++i) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(text[i])));
  return out;
}

std::string_view ConstantUtf8(std::string_view text) {
  if (AsciiPrefixLength(text) == text.size()) return text;
  // Keyed by the bytes, not the address, so that a label of a test's making
  // is right too; node-based, so that a text once made never moves.
  static std::mutex mutex;
  static std::map<std::string, std::string, std::less<>> converted;
  const std::lock_guard lock(mutex);
  auto found = converted.find(text);
  if (found == converted.end()) found = converted.emplace(text, Cp1252ToUtf8(text)).first;
  return found->second;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachUtf8Char(text, [&out](const TUtf8Char& c, std::string_view) {
    const int byte = c.Length > 0 ? ByteOf(c.CodePoint) : -1;
    out += byte < 0 ? '?' : static_cast<char>(byte);
  });
  return out;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = AsciiPrefixLength(text); i < text.size();) {
    const TUtf8Char c = Utf8CharAt(text, i);
    if (!WellFormed(c)) return false;
    i += static_cast<std::size_t>(c.Length);
  }
  return true;
}

std::string ValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachUtf8Char(text, [&out](const TUtf8Char& c, std::string_view bytes) {
    if (WellFormed(c)) {
      out += bytes;
    } else {
      out += '?';
    }
  });
  return out;
}

}  // namespace pixolyn
