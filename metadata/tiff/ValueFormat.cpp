#include "tiff/ValueFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>

#include "metadata/ByteView.h"
#include "metadata/TagEntry.h"
#include "metadata/TextUtil.h"

namespace pixolyn {

namespace {

constexpr std::array<int, 13> kTypeSizes = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

// Shown in place of a floating-point component.
constexpr std::string_view kFloatComponentText = "-9999.99";

bool IsIntegerType(int type) {
  switch (type) {
    case kTypeByte:
    case kTypeShort:
    case kTypeLong:
    case kTypeSByte:
    case kTypeSShort:
    case kTypeSLong:
      return true;
    default:
      return false;
  }
}

bool IsSignedType(int type) {
  return type == kTypeSByte || type == kTypeSShort || type == kTypeSLong || type == kTypeSRational;
}

// The number the bytes hold as their type says: unsigned types as read, signed
// types extended from the sign bit of their width (at most four bytes count).
int64_t TypedInteger(std::string_view bytes, int type, bool bigEndian) {
  const auto bits = static_cast<uint32_t>(RawToInteger(bytes, bigEndian));
  const std::size_t width = std::min<std::size_t>(bytes.size(), 4);
  if (!IsSignedType(type) || width == 0) return bits;
  const auto unused = static_cast<int>(32 - 8 * width);
  return static_cast<int32_t>(bits << unused) >> unused;
}

bool IsFractionType(int type) {
  return type == kTypeRational || type == kTypeSRational;
}
bool IsFloatType(int type) {
  return type == kTypeFloat || type == kTypeDouble;
}

// The text mapped to key in "key:text,key:text"; empty when key is missing.
std::string_view MappedText(std::string_view map, std::string_view key) {
  // Searched in place: a value of many components looks up every one of them.
  for (std::size_t pos = 0; pos <= map.size();) {
    if (map.substr(pos).starts_with(key) && pos + key.size() < map.size() &&
        map[pos + key.size()] == ':') {
      const std::size_t start = pos + key.size() + 1;
      return map.substr(start, map.find(',', start) - start);
    }
    const auto comma = map.find(',', pos);
    if (comma == std::string_view::npos) break;
    pos = comma + 1;
  }
  return {};
}

using TDigits = std::array<char, 12>;  // "-2147483648", "4294967295"

// The decimal text of value, written into digits.
std::string_view Decimal(TDigits& digits, int64_t value) {
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  return {digits.data(), static_cast<std::size_t>(end - digits.data())};
}

// Appended in place: a value may have thousands of components.
void AppendComponentText(std::string& text, std::string_view component, int type,
                         std::string_view valueMap, bool bigEndian) {
  TDigits digits;
  if (IsIntegerType(type)) {
    const std::string_view number = Decimal(digits, TypedInteger(component, type, bigEndian));
    text += valueMap.empty() ? number : MappedText(valueMap, number);
  } else if (IsFractionType(type)) {
    // The fraction is not reduced.
    text += Decimal(digits, TypedInteger(component.substr(0, 4), type, bigEndian));
    text += '/';
    text += Decimal(digits, TypedInteger(component.substr(4, 4), type, bigEndian));
  } else if (IsFloatType(type)) {
    text += kFloatComponentText;
  }
  // Text and undefined bytes are not numbers.
}

double FirstFloat(std::string_view raw, int type, bool bigEndian) {
  const ByteView view(raw);
  if (type == kTypeFloat) {
    if (!view.Fits(0, 4)) return 0;
    return std::bit_cast<float>(view.U32(0, bigEndian));
  }
  if (!view.Fits(0, 8)) return 0;
  const uint32_t first = view.U32(0, bigEndian);
  const uint32_t second = view.U32(4, bigEndian);
  const uint64_t bits =
      bigEndian ? (uint64_t{first} << 32 | second) : (uint64_t{second} << 32 | first);
  return std::bit_cast<double>(bits);
}

double Quotient(double numerator, double denominator) {
  if (denominator == 0) return 0;
  return numerator / denominator;
}

}  // namespace

ValueConversionError::ValueConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value") {}

int TypeSize(int type) {
  if (type < 0 || type >= static_cast<int>(kTypeSizes.size())) return 0;
  return kTypeSizes[static_cast<std::size_t>(type)];
}

std::string FormatTagValue(std::string_view raw, int type, std::string_view valueMap,
                           std::string_view pattern, bool bigEndian) {
  const int size = TypeSize(type);
  if (size == 0) return "0";
  const std::string_view bytes = raw;
  const std::size_t componentSize = static_cast<std::size_t>(size);
  const std::size_t count = bytes.size() / componentSize;
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    // A component that decodes to nothing at the start leaves no separator.
    if (!text.empty()) text += ", ";
    AppendComponentText(text, bytes.substr(i * componentSize, componentSize), type, valueMap,
                        bigEndian);
  }
  if (pattern.empty()) return text;
  if (pattern.find("%s") != std::string::npos) return FormatTextPattern(pattern, text);
  const double number = TagValueAsNumber(raw, type, bigEndian);
  return FormatNumberPattern(pattern, std::span(&number, 1));
}

double TagValueAsNumber(std::string_view raw, int type, bool bigEndian) {
  double value = 0;
  const std::string_view bytes = raw;
  if (IsIntegerType(type)) {
    value = static_cast<double>(TypedInteger(bytes, type, bigEndian));
  } else if (IsFractionType(type)) {
    value = Quotient(static_cast<double>(TypedInteger(CopyClamped(bytes, 0, 4), type, bigEndian)),
                     static_cast<double>(TypedInteger(CopyClamped(bytes, 4, 4), type, bigEndian)));
  } else if (IsFloatType(type)) {
    value = FirstFloat(raw, type, bigEndian);
  }
  return std::isfinite(value) ? value : 0;
}

int32_t RawToInteger(std::string_view bytes, bool bigEndian) {
  uint32_t value = 0;
  auto add = [&value](char byte) { value = value * 256u + static_cast<unsigned char>(byte); };
  if (bigEndian) {
    for (const char byte : bytes) add(byte);
  } else {
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) add(*it);
  }
  return static_cast<int32_t>(value);
}

std::string DecodeValueMap(std::string_view valueMap, const std::string& keyText) {
  return std::string(MappedText(valueMap, TrimControlAndBlank(keyText)));
}

double ParseRationalText(const std::string& text) {
  const auto slash = text.find('/');
  if (slash == std::string::npos) return 0;  // no numerator
  const std::string_view view(text);
  const auto numerator = TextToInt(view.substr(0, slash));
  const auto denominator = TextToInt(view.substr(slash + 1));
  if (!numerator || !denominator) return 0;
  return Quotient(*numerator, *denominator);
}

std::string MakePrintable(std::string text) {
  constexpr std::size_t kMaxLength = 50;
  if (text.size() > kMaxLength) text.resize(kMaxLength);
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 32) c = '.';
  }
  return text;
}

}  // namespace pixolyn
