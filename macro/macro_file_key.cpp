#include "macro_file_key.h"

#include <algorithm>

namespace {

// Positions are ints: more digits than that are never written.
constexpr std::size_t kMaxKeyDigits = 10;

}  // namespace

std::optional<int> MacroFilePosition(std::u16string_view key, int number) {
  if (key.empty() || key.size() > kMaxKeyDigits || (key.size() > 1 && key[0] == u'0')) return std::nullopt;
  if (!std::ranges::all_of(key, [](char16_t c) { return c >= u'0' && c <= u'9'; })) return std::nullopt;
  long long position = 0;
  for (char16_t c : key) position = position * 10 + (c - u'0');
  if (position >= number) return std::nullopt;
  return static_cast<int>(position);
}
