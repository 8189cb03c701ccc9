#include "tiff/FixedPoint.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace pixolyn {

namespace {

// Patterns come from the tables; these bounds only keep a malformed one from
// asking for absurd texts.
constexpr int kMaxDecimals = 40;
constexpr int kMaxWidth = 255;

// Digits of magnitude * 10^decimals rounded to a whole number, halves away
// from zero, without leading zeros ("0" for zero). Works on the shortest
// decimal form that reads back as magnitude, so the rounding sees the digits a
// reader of the number sees.
std::string ScaledDigits(double magnitude, int decimals) {
  char buffer[64];
  // Most values are a whole number n over 10^decimals (50, 2.8), and then n
  // is the answer without the slow shortest form: n / 10^decimals reads back
  // as magnitude, and below 10^14 no other such n reads back alike.
  constexpr std::array<double, 15> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};
  if (decimals < static_cast<int>(kPowersOfTen.size())) {
    const double power = kPowersOfTen[static_cast<std::size_t>(decimals)];
    const double whole = std::nearbyint(magnitude * power);
    if (whole < 1e14 && whole / power == magnitude) {
      const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<uint64_t>(whole));
      return std::string(buffer, end.ptr);
    }
  }
  const auto converted =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  const std::string_view scientific(buffer, static_cast<std::size_t>(converted.ptr - buffer));
  const auto marker = scientific.find('e');
  std::string digits;
  for (const char c : scientific.substr(0, marker)) {
    if (c != '.') digits += c;
  }
  std::string_view exponentText = scientific.substr(marker + 1);
  if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

  // magnitude = 0.<digits> * 10^(exponent + 1); keep the digits down to the last decimal.
  const int keep = exponent + 1 + decimals;
  if (keep < 0) return "0";
  const auto kept = static_cast<std::size_t>(keep);
  std::string scaled = digits.substr(0, std::min(kept, digits.size()));
  scaled.resize(kept, '0');
  if (kept < digits.size() && digits[kept] >= '5') {
    std::size_t i = scaled.size();
    while (i > 0 && scaled[i - 1] == '9') scaled[--i] = '0';
    if (i == 0) {
      scaled.insert(scaled.begin(), '1');
    } else {
      ++scaled[i - 1];
    }
  }
  const auto firstNonZero = scaled.find_first_not_of('0');
  return firstNonZero == std::string::npos ? "0" : scaled.substr(firstNonZero);
}

std::string PadLeft(std::string text, int width) {
  const auto least = static_cast<std::size_t>(std::clamp(width, 0, kMaxWidth));
  if (text.size() < least) text.insert(0, least - text.size(), ' ');
  return text;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

// Reads the digits at pattern[pos...], advancing pos; -1 if there are none.
int ReadCount(std::string_view pattern, std::size_t& pos) {
  int count = -1;
  while (pos < pattern.size() && pattern[pos] >= '0' && pattern[pos] <= '9') {
    count = std::min(std::max(count, 0) * 10 + (pattern[pos] - '0'), 10000);
    ++pos;
  }
  return count;
}

}  // namespace

std::string FormatFixed(double value, int width, int decimals, const RegionalSettings& regional) {
  if (!std::isfinite(value)) return PadLeft(NonFiniteText(value), width);
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  std::string digits = ScaledDigits(std::fabs(value), decimals);
  if (digits.size() <= static_cast<std::size_t>(decimals)) {
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  }
  const std::size_t whole = digits.size() - static_cast<std::size_t>(decimals);
  const bool showsNonZero = digits.find_first_not_of('0') != std::string::npos;
  std::string text = value < 0 && showsNonZero ? "-" : "";
  text += digits.substr(0, whole);
  if (decimals > 0) {
    text += regional.DecimalSeparator;
    text += digits.substr(whole);
  }
  return PadLeft(std::move(text), width);
}

std::string FormatNumberPattern(std::string_view pattern, std::span<const double> values,
                                const RegionalSettings& regional) {
  std::string out;
  std::size_t next = 0;
  std::size_t pos = 0;
  while (pos < pattern.size()) {
    const char c = pattern[pos];
    if (c != '%') {
      out += c;
      ++pos;
      continue;
    }
    if (pos + 1 < pattern.size() && pattern[pos + 1] == '%') {
      out += '%';
      pos += 2;
      continue;
    }
    std::size_t end = pos + 1;
    const int width = ReadCount(pattern, end);
    int decimals = 6;  // printf's default
    if (end < pattern.size() && pattern[end] == '.') {
      ++end;
      decimals = std::max(ReadCount(pattern, end), 0);
    }
    if (end < pattern.size() && pattern[end] == 'f' && next < values.size()) {
      out += FormatFixed(values[next++], width, decimals, regional);
      pos = end + 1;
    } else {
      out += c;
      ++pos;
    }
  }
  return out;
}

std::string FormatTextPattern(std::string_view pattern, std::string_view text) {
  std::string out;
  for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
    const char next = pos + 1 < pattern.size() ? pattern[pos + 1] : '\0';
    if (pattern[pos] == '%' && next == 's') {
      out += text;
      ++pos;
    } else if (pattern[pos] == '%' && next == '%') {
      out += '%';
      ++pos;
    } else {
      out += pattern[pos];
    }
  }
  return out;
}

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  if (value <= kLow) return std::numeric_limits<int32_t>::min();
  if (value >= kHigh) return std::numeric_limits<int32_t>::max();
  const double below = std::floor(value);
  auto rounded = static_cast<int64_t>(below);
  const double fraction = value - below;  // exact in this range
  if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0)) ++rounded;
  return static_cast<int>(std::clamp<int64_t>(rounded, std::numeric_limits<int32_t>::min(),
                                              std::numeric_limits<int32_t>::max()));
}

}  // namespace pixolyn
