#include "decimal.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

int ParseDecimal(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::u16string FormatDecimal(long long value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

namespace {

// The reader's buffer holds 30 units with its terminator.
constexpr std::size_t kProfileIntChars = 29;

int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'z') return c - u'a' + 10;
  if (c >= u'A' && c <= u'Z') return c - u'A' + 10;
  return -1;
}

}  // namespace

int ProfileInt(std::u16string_view value, int fallback) {
  value = value.substr(0, kProfileIntChars);
  if (value.empty()) return fallback;
  std::size_t i = 0;
  while (i < value.size() && value[i] <= u' ') ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) negative = value[i++] == u'-';
  std::uint32_t base = 10;
  if (i + 1 < value.size() && value[i] == u'0') {
    constexpr struct { char16_t letter; std::uint32_t base; } kPrefixes[] = {{u'x', 16}, {u'o', 8}, {u'b', 2}};
    for (const auto& prefix : kPrefixes)
      if (value[i + 1] == prefix.letter) {
        base = prefix.base;
        i += 2;
        break;
      }
  }
  std::uint32_t total = 0;
  for (; i < value.size(); ++i) {
    const int digit = DigitValue(value[i]);
    if (digit < 0 || static_cast<std::uint32_t>(digit) >= base) break;
    total = total * base + static_cast<std::uint32_t>(digit);
  }
  return static_cast<int>(negative ? 0u - total : total);
}
