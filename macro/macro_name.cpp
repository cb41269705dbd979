#include "macro_name.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::u16string_view kWhiteSpace = u" \t\n\v\f\r\u00A0\u3000";

// Upper-case letters as data: every step-th unit of [first, last] has its
// lower-case form delta units on. Latin, Greek and Cyrillic cover the names
// people type; other scripts have no case or compare as they are.
struct CaseRange {
  char16_t first;
  char16_t last;
  std::int32_t delta;
  int step;
};

constexpr CaseRange kUpperCase[] = {
    {0x0041, 0x005A, 32, 1},  {0x00C0, 0x00D6, 32, 1},  {0x00D8, 0x00DE, 32, 1},
    {0x0100, 0x012E, 1, 2},   {0x0132, 0x0136, 1, 2},   {0x0139, 0x0147, 1, 2},
    {0x014A, 0x0176, 1, 2},   {0x0178, 0x0178, -121, 1}, {0x0179, 0x017D, 1, 2},
    {0x0391, 0x03A1, 32, 1},  {0x03A3, 0x03AB, 32, 1},  {0x0400, 0x040F, 80, 1},
    {0x0410, 0x042F, 32, 1},  {0x0460, 0x0480, 1, 2},   {0x048A, 0x04BE, 1, 2},
    {0x1E00, 0x1E94, 1, 2},   {0x1EA0, 0x1EFE, 1, 2},   {0xFF21, 0xFF3A, 32, 1},
};

char16_t LowerCase(char16_t c) {
  for (const CaseRange& range : kUpperCase)
    if (c >= range.first && c <= range.last && (c - range.first) % range.step == 0)
      return static_cast<char16_t>(c + range.delta);
  return c;
}

}  // namespace

std::u16string_view TrimWhiteSpace(std::u16string_view text) {
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return LowerCase(x) == LowerCase(y); });
}
