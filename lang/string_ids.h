#pragma once
// The string IDs of the language libraries as named constants, and the whole
// catalogue for code that must walk it (the libraries' tests). The rows live
// in string_ids.inc; the string tables get the same names through a header
// the build writes from that file.
#include <algorithm>
#include <array>

#define STRING_ID(name, id) inline constexpr int name = id;
#include "string_ids.inc"
#undef STRING_ID

inline constexpr std::array kStringIds = {
#define STRING_ID(name, id) name,
#include "string_ids.inc"
#undef STRING_ID
};

// Texts are fetched into a buffer of this many units, terminator included.
inline constexpr int kMaxTextLength = 259;

inline constexpr bool IsCataloguedText(int id) {
  return std::find(kStringIds.begin(), kStringIds.end(), id) != kStringIds.end();
}

namespace string_ids_detail {
constexpr bool AllDistinct() {
  auto ids = kStringIds;
  std::sort(ids.begin(), ids.end());
  return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}
}  // namespace string_ids_detail
static_assert(string_ids_detail::AllDistinct(), "two names share one string ID");
