#include "makernotes/MakerNoteText.h"

#include <charconv>

#include "tiff/ValueFormat.h"

namespace pixolyn {

namespace {
// Views rather than copies: the Canon arrays can be long.
std::string_view BeforeView(std::string_view s, std::string_view sep) {
  const auto pos = s.find(sep);
  return pos == std::string_view::npos ? s : s.substr(0, pos);
}

std::string_view AfterView(std::string_view s, std::string_view sep) {
  const auto pos = s.find(sep);
  return pos == std::string_view::npos ? std::string_view() : s.substr(pos + sep.size());
}

std::string DecimalText(int n) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, n);
  return std::string(digits, result.ptr);
}
}  // namespace

std::string TextBefore(std::string_view s, std::string_view sep) {
  return std::string(BeforeView(s, sep));
}

std::string TextAfter(std::string_view s, std::string_view sep) {
  return std::string(AfterView(s, sep));
}

std::string FieldOf(std::string_view s, std::string_view sep, int n) {
  // Once s is empty every further field is empty too; an empty sep leaves s
  // as it is and gives empty fields.
  if (sep.empty()) return {};
  for (int i = 1; i < n && !s.empty(); ++i) s = AfterView(s, sep);
  return std::string(BeforeView(s, sep));
}

int CountOf(std::string_view s, std::string_view sep) {
  if (sep.empty()) return 0;
  int count = 0;
  for (auto pos = s.find(sep); pos != std::string_view::npos; pos = s.find(sep, pos + sep.size())) {
    ++count;
  }
  return count;
}

std::string MappedElement(std::string_view s, int k, std::string_view valueMap) {
  return DecodeValueMap(valueMap, FieldOf(s, ",", k + 1));
}

std::string SettingLine(std::string_view label, int n, std::string_view valueMap) {
  return std::string(label) + " = " + DecodeValueMap(valueMap, DecimalText(n));
}

}  // namespace pixolyn
