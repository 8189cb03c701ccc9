#include "makernotes/PartNames.h"

#include <algorithm>
#include <string_view>

#include "tiff/ValueFormat.h"

namespace pixolyn {

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

}  // namespace pixolyn
