// The struct encoding of whole records: any text decodes exactly when a
// plain reading of it (below) finds a sound encoding, a refused text writes
// nothing, an accepted one encodes back to itself; any bytes come back from
// their encoding unchanged.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "model/struct_encoding.h"

namespace {

constexpr std::uint8_t kUntouched = 0xA5;

bool IsHexDigit(char16_t c) { return c < 0x80 && std::isxdigit(static_cast<unsigned char>(c)); }

unsigned HexPair(std::u16string_view text, std::size_t at) {
  const std::string pair{static_cast<char>(text[at]), static_cast<char>(text[at + 1])};
  return static_cast<unsigned>(std::stoul(pair, nullptr, 16));
}

bool SoundEncoding(std::u16string_view text, std::size_t byteCount) {
  if (text.size() != 2 * byteCount + 2 || !std::ranges::all_of(text, IsHexDigit)) return false;
  unsigned sum = 0;
  for (std::size_t i = 0; i < byteCount; ++i) sum += HexPair(text, 2 * i);
  return HexPair(text, 2 * byteCount) == sum % 256;
}

std::u16string UpperCase(std::u16string text) {
  for (char16_t& c : text)
    if (c >= u'a' && c <= u'f') c = static_cast<char16_t>(c - u'a' + u'A');
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = Utf16Units(data, size);
  const std::size_t byteCount = text.size() >= 2 ? (text.size() - 2) / 2 : 0;
  std::vector<std::uint8_t> bytes(byteCount, kUntouched);
  const bool decoded = DecodeStruct(text, bytes);
  FUZZ_CHECK(decoded == SoundEncoding(text, byteCount));
  if (decoded)
    FUZZ_CHECK(EncodeStruct(bytes) == UpperCase(text));
  else
    FUZZ_CHECK(std::ranges::all_of(bytes, [](std::uint8_t b) { return b == kUntouched; }));
  std::vector<std::uint8_t> oneMore(byteCount + 1);
  FUZZ_CHECK(!DecodeStruct(text, oneMore));

  const std::span<const std::uint8_t> raw(data, size);
  std::vector<std::uint8_t> back(size);
  FUZZ_CHECK(DecodeStruct(EncodeStruct(raw), back) && std::ranges::equal(back, raw));
  return 0;
}
