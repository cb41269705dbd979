#include "skin/button_info.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/text.h"

namespace {

bool IsScanSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

int32_t Saturate(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                   std::numeric_limits<int32_t>::max()));
}

// One "%d" at `pos`: blanks, a sign, digits. False (and `pos` unmoved)
// when no digit follows. Values beyond the int range are held at its limits.
bool ScanInt(std::u16string_view text, std::size_t& pos, int32_t& out) {
  std::size_t i = pos;
  while (i < text.size() && IsScanSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  const std::size_t digits = i;
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    magnitude = std::min<int64_t>(magnitude * 10 + (text[i] - u'0'), int64_t{1} << 32);
  }
  if (i == digits) return false;
  out = Saturate(negative ? -magnitude : magnitude);
  pos = i;
  return true;
}

// "%d,%d,%d,%d" from the start of `text`: reading stops at the first
// number or comma that is not there.
void ScanFourInts(std::u16string_view text, int32_t (&values)[4]) {
  std::size_t pos = 0;
  for (int n = 0; n < 4; ++n) {
    if (n > 0) {
      if (pos >= text.size() || text[pos] != u',') return;
      ++pos;
    }
    if (!ScanInt(text, pos, values[n])) return;
  }
}

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

SkinButtonInfo ParseButtonInfo(std::u16string_view value) {
  SkinButtonInfo info;
  std::u16string_view rest = value;
  if (const std::size_t comma = value.find(u','); comma != std::u16string_view::npos) {
    SetText(info.ItemName, value.substr(0, comma));
    rest = value.substr(comma + 1);
  }
  int32_t numbers[4] = {};
  ScanFourInts(rest, numbers);
  const auto [x, y, width, height] = numbers;
  info.Rect = {x, y, Saturate(int64_t{x} + width), Saturate(int64_t{y} + height)};

  const std::size_t last = rest.rfind(u',');
  SetText(info.TooltipText, Trim(last == std::u16string_view::npos ? rest : rest.substr(last + 1)));
  return info;
}
