#include "xmp/XmpValueText.h"

#include <cstddef>

#include "metadata/TextUtil.h"

namespace pixolyn {

namespace {
constexpr std::string_view kRatingPath = "xmp:Rating";

// Identifiers and digests, the longest unbroken texts XMP writers store, stay
// within 64 characters (a SHA-256 in hex); titles and descriptions have
// blanks or punctuation long before 256. An unbroken run of the base64
// alphabet that long is data (depth maps, embedded pictures, thumbnails),
// and as text it would fill the screen.
constexpr std::size_t kMinBinaryCharacters = 256;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads count digits at pos as a number within [low, high].
bool TakeNumber(std::string_view text, std::size_t& pos, std::size_t count, int low, int high,
                std::string_view& digits) {
  if (text.size() - pos < count) return false;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!IsDigit(text[pos + i])) return false;
    value = value * 10 + (text[pos + i] - '0');
  }
  if (value < low || value > high) return false;
  digits = text.substr(pos, count);
  pos += count;
  return true;
}

bool Take(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

// "Z", "+02:00", "-0530" or "+02", as written; the rest of the text.
bool IsZone(std::string_view zone) {
  if (zone == "Z") return true;
  if (zone.size() < 3 || (zone[0] != '+' && zone[0] != '-')) return false;
  std::size_t pos = 1;
  std::string_view digits;
  if (!TakeNumber(zone, pos, 2, 0, 23, digits)) return false;
  if (pos == zone.size()) return true;
  Take(zone, pos, ':');
  return TakeNumber(zone, pos, 2, 0, 59, digits) && pos == zone.size();
}

std::string TimeText(std::string_view text, std::size_t pos) {
  std::string_view hour, minute, second;
  if (!TakeNumber(text, pos, 2, 0, 24, hour) || !Take(text, pos, ':') ||
      !TakeNumber(text, pos, 2, 0, 59, minute)) {
    return {};
  }
  std::string time = std::string(hour) + ':' + std::string(minute);
  if (Take(text, pos, ':')) {
    if (!TakeNumber(text, pos, 2, 0, 60, second)) return {};
    time += ':';
    time += second;
    if (Take(text, pos, '.')) {
      const std::size_t start = pos;
      while (pos < text.size() && IsDigit(text[pos])) ++pos;
      if (pos == start) return {};
      time += ',';  // the German decimal separator
      time += text.substr(start, pos - start);
    }
  }
  const std::string_view zone = text.substr(pos);
  if (zone.empty()) return time;
  if (!IsZone(zone)) return {};
  return time + ' ' + std::string(zone);
}

bool IsBase64Character(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) || c == '+' || c == '/';
}

// The bytes a base64 text stands for; 0 when it is not one, or too short to count as data.
std::size_t Base64ByteCount(std::string_view value) {
  std::size_t characters = 0;
  std::size_t padding = 0;
  for (const char c : value) {
    if (c == '\r' || c == '\n' || c == ' ' || c == '\t') continue;
    if (c == '=') {
      ++padding;
    } else if (IsBase64Character(c) && padding == 0) {
      ++characters;
    } else {
      return 0;
    }
  }
  if (characters < kMinBinaryCharacters || padding > 2) return 0;
  return characters * 3 / 4;
}
}  // namespace

std::string GermanXmpDate(std::string_view iso, bool yearAlone) {
  iso = TrimControlAndBlank(iso);
  std::size_t pos = 0;
  std::string_view year, month, day;
  if (!TakeNumber(iso, pos, 4, 0, 9999, year)) return {};
  if (pos == iso.size()) return yearAlone ? std::string(year) : std::string();
  if (!Take(iso, pos, '-') || !TakeNumber(iso, pos, 2, 1, 12, month)) return {};
  if (pos == iso.size()) return std::string(month) + '.' + std::string(year);
  if (!Take(iso, pos, '-') || !TakeNumber(iso, pos, 2, 1, 31, day)) return {};
  std::string date = std::string(day) + '.' + std::string(month) + '.' + std::string(year);
  if (pos == iso.size()) return date;
  if (!Take(iso, pos, 'T')) return {};
  const std::string time = TimeText(iso, pos);
  return time.empty() ? std::string() : date + ' ' + time;
}

std::string XmpValueText(std::string_view path, std::string_view value, bool isDate) {
  if (path == kRatingPath && TrimControlAndBlank(value) == "-1") return "abgelehnt";
  if (std::string date = GermanXmpDate(value, isDate); !date.empty()) return date;
  if (const std::size_t bytes = Base64ByteCount(value)) {
    return "(Bin\xC3\xA4rdaten, " + std::to_string(bytes) + " Bytes)";
  }
  return std::string(value);
}

}  // namespace pixolyn
