#pragma once
// Splits one fuzz input into the arguments of the calls it drives. Every take
// succeeds: an exhausted input yields zeros and empty texts, so any byte
// string is a valid input.

#include <cstdint>
#include <string>
#include <string_view>

namespace pixolyn::fuzz {

class TFuzzInput {
 public:
  explicit TFuzzInput(std::string_view bytes) : rest_(bytes) {}

  bool Empty() const { return rest_.empty(); }

  // The next byte; 0 at the end.
  uint8_t TakeByte();
  // The next two bytes, most significant first; missing bytes count as 0.
  uint16_t TakeU16();
  // Up to count bytes.
  std::string_view TakeBytes(std::size_t count);
  // A text of any bytes: up to a backslash followed by anything but a second
  // backslash, or to the end; "\\" stands for one backslash. Texts of this
  // form survive the fuzzer's mutations better than length prefixes.
  std::string TakeText();
  std::string_view TakeRest();

 private:
  std::string_view rest_;
};

// The bytes that TakeText reads back as text, for writing inputs.
std::string FuzzText(std::string_view text);

}  // namespace pixolyn::fuzz
