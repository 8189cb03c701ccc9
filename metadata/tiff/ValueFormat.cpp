#include "tiff/ValueFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>

#include "metadata/TextUtil.h"
#include "tiff/ByteView.h"

namespace pixolyn {

namespace {

constexpr std::array<int, 13> kTypeSizes = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

// Shown in place of a floating-point component.
constexpr std::string_view kFloatComponentText = "-9999.99";

bool IsSignedType(int type) {
  return type == kTypeSByte || type == kTypeSShort || type == kTypeSLong || type == kTypeSRational;
}

// The number the bytes hold as their type says: unsigned types as read, signed
// types extended from the sign bit of their width (at most four bytes count).
int64_t TypedInteger(std::string_view bytes, int type, bool bigEndian) {
  if (bytes.empty()) return 0;
  const uint32_t bits = ByteView(bytes).UInt(0, static_cast<int64_t>(bytes.size()), bigEndian);
  const std::size_t width = std::min<std::size_t>(bytes.size(), 4);
  if (!IsSignedType(type)) return bits;
  const auto unused = static_cast<int>(32 - 8 * width);
  return static_cast<int32_t>(bits << unused) >> unused;
}

bool IsFloatType(int type) {
  return type == kTypeFloat || type == kTypeDouble;
}

using TDigits = std::array<char, 12>;  // "-2147483648", "4294967295"

// The decimal text of value, written into digits.
std::string_view Decimal(TDigits& digits, int64_t value) {
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  return {digits.data(), static_cast<std::size_t>(end - digits.data())};
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

int TypeSize(int type) {
  if (type < 0 || type >= static_cast<int>(kTypeSizes.size())) return 0;
  return kTypeSizes[static_cast<std::size_t>(type)];
}

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

bool IsFractionType(int type) {
  return type == kTypeRational || type == kTypeSRational;
}

std::size_t ComponentCount(const TTypedValue& value) {
  const int size = TypeSize(value.Type);
  return size == 0 ? 0 : value.Bytes.size() / static_cast<std::size_t>(size);
}

int64_t IntegerComponent(const TTypedValue& value, std::size_t i) {
  const auto size = static_cast<std::size_t>(TypeSize(value.Type));
  return TypedInteger(value.Bytes.substr(i * size, size), value.Type, value.BigEndian);
}

TFraction FractionComponent(const TTypedValue& value, std::size_t i) {
  const std::string_view component = value.Bytes.substr(i * 8, 8);
  return {.Numerator = TypedInteger(component.substr(0, 4), value.Type, value.BigEndian),
          .Denominator = TypedInteger(component.substr(4), value.Type, value.BigEndian)};
}

double FractionQuotient(const TTypedValue& value, std::size_t i) {
  const TFraction fraction = FractionComponent(value, i);
  const auto fits = [](int64_t n) { return n >= INT32_MIN && n <= INT32_MAX; };
  if (!fits(fraction.Numerator) || !fits(fraction.Denominator)) return 0;
  return Quotient(static_cast<double>(fraction.Numerator),
                  static_cast<double>(fraction.Denominator));
}

// Appended in place: a value may have thousands of components.
void AppendComponentText(std::string& text, const TTypedValue& value, std::size_t i,
                         TValueNames valueMap) {
  TDigits digits;
  if (IsIntegerType(value.Type)) {
    const int64_t number = IntegerComponent(value, i);
    text += valueMap.empty() ? Decimal(digits, number) : NameOfValue(valueMap, number);
  } else if (IsFractionType(value.Type)) {
    // The fraction is not reduced.
    const TFraction fraction = FractionComponent(value, i);
    text += Decimal(digits, fraction.Numerator);
    text += '/';
    text += Decimal(digits, fraction.Denominator);
  } else if (IsFloatType(value.Type)) {
    text += kFloatComponentText;
  }
  // Text and undefined bytes are not numbers.
}

std::string FormatTagValue(std::string_view raw, int type, TValueNames valueMap,
                           std::string_view pattern, bool bigEndian,
                           const RegionalSettings& regional) {
  if (TypeSize(type) == 0) return "0";
  // A number pattern shows the first number alone: the components are not written out.
  if (!pattern.empty() && pattern.find("%s") == std::string_view::npos) {
    const double number = TagValueAsNumber(raw, type, bigEndian);
    return FormatNumberPattern(pattern, std::span(&number, 1), regional);
  }
  const TTypedValue value{
      .Type = static_cast<uint16_t>(type), .BigEndian = bigEndian, .Bytes = raw};
  const std::size_t count = ComponentCount(value);
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    // A component that decodes to nothing at the start leaves no separator.
    if (!text.empty()) text += ", ";
    AppendComponentText(text, value, i, valueMap);
  }
  return pattern.empty() ? text : FormatTextPattern(pattern, text);
}

double TagValueAsNumber(std::string_view raw, int type, bool bigEndian) {
  double value = 0;
  const std::string_view bytes = raw;
  if (IsIntegerType(type)) {
    value = static_cast<double>(TypedInteger(bytes, type, bigEndian));
  } else if (IsFractionType(type)) {
    const ByteView view(bytes);
    value = Quotient(static_cast<double>(TypedInteger(view.ViewClamped(0, 4), type, bigEndian)),
                     static_cast<double>(TypedInteger(view.ViewClamped(4, 4), type, bigEndian)));
  } else if (IsFloatType(type)) {
    value = FirstFloat(raw, type, bigEndian);
  }
  return std::isfinite(value) ? value : 0;
}

double ParseRationalText(std::string_view text) {
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) return 0;  // no numerator
  const auto numerator = TextToInt(text.substr(0, slash));
  const auto denominator = TextToInt(text.substr(slash + 1));
  if (!numerator || !denominator) return 0;
  return Quotient(*numerator, *denominator);
}

void ReadWrittenFractions(std::string_view text, std::span<double> places) {
  if (places.empty()) return;
  constexpr std::string_view kSeparator = ", ";
  for (double& place : places.first(places.size() - 1)) {
    const auto pos = text.find(kSeparator);
    if (pos == std::string_view::npos) {
      place = 0;
      text = text.substr(0, kWrittenPartLength);
      continue;
    }
    place = ParseRationalText(text.substr(0, pos));
    // The rest begins with the blank of the separator, which the parse skips.
    text = text.substr(pos + 1, kWrittenPartLength);
  }
  places.back() = ParseRationalText(text);
}

std::string MakePrintable(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 32) c = '.';
  }
  return text;
}

}  // namespace pixolyn
