#include "export/RangeText.h"

#include <charconv>
#include <stdexcept>

namespace pixolyn {

namespace {
constexpr int kLetters = 26;

char Letter(int number) {
  return static_cast<char>('A' + number - 1);
}
}  // namespace

std::string ColumnLetter(int n) {
  if (n < 1) throw std::out_of_range("column before A");
  if (n <= kLetters) return std::string(1, Letter(n));
  // A multiple of 26 ends in "Z" and borrows one from the letters before it.
  if (n % kLetters == 0) return ColumnLetter(n / kLetters - 1) + 'Z';
  return ColumnLetter(n / kLetters) + Letter(n % kLetters);
}

std::string RangeText(int rows, int columns) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, rows).ptr;
  return "A1:" + ColumnLetter(columns) + std::string(digits, end);
}

}  // namespace pixolyn
