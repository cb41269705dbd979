#include "struct_encoding.h"

#include <algorithm>
#include <vector>

namespace {

constexpr char16_t kHex[] = u"0123456789ABCDEF";

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// The byte at text[2i], or -1 when the two units are not hex digits.
int ByteAt(std::u16string_view text, std::size_t i) {
  const int high = HexValue(text[2 * i]);
  const int low = HexValue(text[2 * i + 1]);
  return high < 0 || low < 0 ? -1 : high * 16 + low;
}

}  // namespace

std::u16string EncodeStruct(std::span<const std::uint8_t> bytes) {
  std::u16string text;
  text.reserve(2 * bytes.size() + 2);
  unsigned sum = 0;
  for (std::uint8_t b : bytes) {
    text += kHex[b >> 4];
    text += kHex[b & 0xF];
    sum += b;
  }
  text += kHex[(sum >> 4) & 0xF];
  text += kHex[sum & 0xF];
  return text;
}

bool DecodeStruct(std::u16string_view text, std::span<std::uint8_t> bytes) {
  if (text.size() != 2 * bytes.size() + 2) return false;
  std::vector<std::uint8_t> scratch(bytes.size());
  unsigned sum = 0;
  for (std::size_t i = 0; i < scratch.size(); ++i) {
    const int b = ByteAt(text, i);
    if (b < 0) return false;
    scratch[i] = static_cast<std::uint8_t>(b);
    sum += static_cast<unsigned>(b);
  }
  if (ByteAt(text, scratch.size()) != static_cast<int>(sum & 0xFF)) return false;
  std::copy(scratch.begin(), scratch.end(), bytes.begin());
  return true;
}
