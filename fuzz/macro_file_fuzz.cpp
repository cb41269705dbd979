// The macro file's section: "number" and one entry per list position. A key
// stands for a position exactly when it is that position written out in
// decimal below "number"; a value either decodes whole into an element,
// which repair then makes sound, or leaves the element as it was.
#include <algorithm>
#include <charconv>

#include "fuzz_check.h"
#include "macro/macro_buttons.h"
#include "macro/macro_file_key.h"
#include "model/decimal.h"
#include "model/ini_section.h"
#include "model/struct_encoding.h"
#include "model/text.h"

namespace {

// A key in plain steps: ASCII digits that are the decimal form of a number
// below `number`.
std::optional<int> PlainPosition(std::u16string_view key, int number) {
  if (key.empty() || key.size() > 12) return std::nullopt;
  std::string ascii;
  for (char16_t c : key) {
    if (c >= 0x80) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  long long value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error != std::errc() || end != ascii.data() + ascii.size() || std::to_string(value) != ascii) return std::nullopt;
  if (value < 0 || value >= number) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = Utf16Units(data, size);
  const IniSection section = IniSection::Parse(text);
  const int number = ProfileInt(section.Get(u"number").value_or(u""), -1);
  for (std::size_t at = 0; at < text.size() && text[at] != u'\0';) {
    const std::size_t end = std::min(text.find(u'\0', at), text.size());
    const std::u16string_view entry = std::u16string_view(text).substr(at, end - at);
    at = end + 1;
    const std::size_t equals = std::min(entry.find(u'='), entry.size());
    const std::u16string_view key = entry.substr(0, equals);
    FUZZ_CHECK(MacroFilePosition(key, number) == PlainPosition(key, number));

    auto element = NewMacro(u"");
    const tagElement before = *element;
    const auto bytes = std::as_writable_bytes(std::span(element.get(), 1));
    const std::span<std::uint8_t> target(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
    if (!DecodeStruct(section.Get(key).value_or(u""), target)) {
      FUZZ_CHECK(SameBytes(*element, before));
      continue;
    }
    RepairElement(*element);
    FUZZ_CHECK(TextOf(element->name).size() < kMacroNameUnits);
    FUZZ_CHECK(element->count >= 0 && element->count <= kMaxEntries);
  }
  return 0;
}
