#include "makernotes/StoredNames.h"

#include <algorithm>
#include <string_view>

#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
std::string NamedOrShown(TValueNames names, int64_t number, const TTypedValue& value) {
  const std::string_view name = NameOfValue(names, number);
  return MakePrintable(std::string(name.empty() ? value.Text : name));
}
}  // namespace

std::string NameOrStoredText(TValueNames names, const TTypedValue& value) {
  if (!IsIntegerType(value.Type) || ComponentCount(value) != 1)
    return MakePrintable(std::string(value.Text));
  return NamedOrShown(names, IntegerComponent(value, 0), value);
}

std::string PairNameOrStoredText(TValueNames names, const TTypedValue& value) {
  if (!IsIntegerType(value.Type) || TypeSize(value.Type) != 1 || ComponentCount(value) != 2)
    return MakePrintable(std::string(value.Text));
  return NamedOrShown(names, IntegerComponent(value, 0) * 256 + IntegerComponent(value, 1), value);
}

std::string NamePartsOfValue(const TTypedValue& value, std::span<const TValueNames> places) {
  if (!IsIntegerType(value.Type)) return std::string(value.Text);
  const std::size_t count = std::min(ComponentCount(value), places.size());
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) text += "; ";
    const std::string_view name = NameOfValue(places[i], IntegerComponent(value, i));
    if (name.empty()) {
      AppendComponentText(text, value, i, {});
    } else {
      text += name;
    }
  }
  return text;
}

std::string FormatTextBytes(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  const std::string_view bytes = value.Bytes.substr(0, value.Bytes.find('\0'));
  return MakePrintable("\"" + std::string(bytes) + "\"");
}

std::string FormatDottedBytes(const TTypedValue& value, const RegionalSettings& /*regional*/) {
  constexpr std::size_t kShownLength = 50;  // what the row shows at most
  std::string text;
  for (const char byte : value.Bytes) {
    if (text.size() > kShownLength) break;
    if (!text.empty()) text += '.';
    text += std::to_string(static_cast<unsigned char>(byte));
  }
  return MakePrintable(std::move(text));
}

}  // namespace pixolyn
