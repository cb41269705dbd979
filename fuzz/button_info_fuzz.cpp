// A skin's layout value, whatever it holds: both texts end within their
// buffers, and the layout written back as "name,x,y,w,h,tip" reads as the
// same layout (the tooltip as it shows, without blank ends).
#include <string>

#include "fuzz_check.h"
#include "model/decimal.h"
#include "model/text.h"
#include "skin/button_info.h"

namespace {

std::u16string_view WithoutBlankEnds(std::u16string_view text) {
  constexpr std::u16string_view kBlanks = u" \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == text.npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const SkinButtonInfo info = ParseButtonInfo(Utf16Units(data, size));
  FUZZ_CHECK(TextOf(info.ItemName).size() < std::size(info.ItemName));
  FUZZ_CHECK(TextOf(info.TooltipText).size() < std::size(info.TooltipText));

  const SkinRect& r = info.Rect;
  const long long width = static_cast<long long>(r.right) - r.left;
  const long long height = static_cast<long long>(r.bottom) - r.top;
  const std::u16string written = std::u16string(TextOf(info.ItemName)) + u',' + FormatDecimal(r.left) + u',' +
                                 FormatDecimal(r.top) + u',' + FormatDecimal(width) + u',' + FormatDecimal(height) +
                                 u',' + std::u16string(TextOf(info.TooltipText));
  const SkinButtonInfo again = ParseButtonInfo(written);
  FUZZ_CHECK(TextOf(again.ItemName) == TextOf(info.ItemName));
  FUZZ_CHECK(again.Rect.left == r.left && again.Rect.top == r.top);
  FUZZ_CHECK(again.Rect.right == r.right && again.Rect.bottom == r.bottom);
  FUZZ_CHECK(TextOf(again.TooltipText) == WithoutBlankEnds(TextOf(info.TooltipText)));
  return 0;
}
