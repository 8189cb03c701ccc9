#include "app/Settings.h"

#include <array>
#include <charconv>
#include <string>

#include "metadata/TextUtil.h"

namespace pixolyn::settings {

std::optional<int> ParseInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return TextToInt("$" + std::string(text.substr(2)));
  }
  return TextToInt(text);
}

int ReadInteger(const TIniFile& file, const IntegerKey& key) {
  return ParseInteger(file.ReadString(kSection, key.Name, "")).value_or(key.Default);
}

bool WriteInteger(const TIniFile& file, const IntegerKey& key, int value) {
  std::array<char, 16> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  return file.WriteString(kSection, key.Name, std::string_view(digits.data(), end - digits.data()));
}

}  // namespace pixolyn::settings
