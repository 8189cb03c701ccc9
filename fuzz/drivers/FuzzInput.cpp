#include "fuzz/drivers/FuzzInput.h"

namespace pixolyn::fuzz {

uint8_t TFuzzInput::TakeByte() {
  if (rest_.empty()) return 0;
  const auto byte = static_cast<uint8_t>(rest_.front());
  rest_.remove_prefix(1);
  return byte;
}

uint16_t TFuzzInput::TakeU16() {
  const uint16_t high = TakeByte();
  return static_cast<uint16_t>(high << 8 | TakeByte());
}

std::string_view TFuzzInput::TakeBytes(std::size_t count) {
  const std::string_view taken = rest_.substr(0, count);
  rest_.remove_prefix(taken.size());
  return taken;
}

std::string TFuzzInput::TakeText() {
  std::string text;
  while (!rest_.empty()) {
    const char c = rest_.front();
    rest_.remove_prefix(1);
    if (c != '\\') {
      text += c;
      continue;
    }
    if (rest_.empty() || rest_.front() != '\\') {
      if (!rest_.empty()) rest_.remove_prefix(1);
      break;
    }
    rest_.remove_prefix(1);
    text += '\\';
  }
  return text;
}

std::string_view TFuzzInput::TakeRest() {
  return TakeBytes(rest_.size());
}

std::string FuzzText(std::string_view text) {
  std::string bytes;
  for (const char c : text) {
    bytes += c;
    if (c == '\\') bytes += c;
  }
  return bytes + "\\;";
}

}  // namespace pixolyn::fuzz
