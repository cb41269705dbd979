// A section as the platform hands it over, and its numbers: every key reads
// as a plain reading of the entries (below) reads it, a key set reads back
// as set, the section survives being written and read again, and every
// value gives the number a plain reading of the integer reader gives.
#include <algorithm>
#include <optional>
#include <vector>

#include "fuzz_check.h"
#include "model/decimal.h"
#include "model/ini_section.h"

namespace {

struct Entry {
  std::u16string key;
  std::u16string value;
};

// Entries up to the first empty one, each cut at its first '='.
std::vector<Entry> PlainEntries(std::u16string_view text) {
  std::vector<Entry> entries;
  std::size_t at = 0;
  while (at < text.size() && text[at] != u'\0') {
    const std::size_t end = std::min(text.find(u'\0', at), text.size());
    const std::u16string line(text.substr(at, end - at));
    const std::size_t equals = line.find(u'=');
    entries.push_back({line.substr(0, equals), equals == line.npos ? u"" : line.substr(equals + 1)});
    at = end + 1;
  }
  return entries;
}

char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

bool KeysMatch(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

std::u16string Unquoted(std::u16string value) {
  const bool quoted = value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0];
  return quoted ? value.substr(1, value.size() - 2) : value;
}

std::optional<std::u16string> PlainGet(const std::vector<Entry>& entries, std::u16string_view key) {
  const auto entry = std::ranges::find_if(entries, [&](const Entry& e) { return KeysMatch(e.key, key); });
  if (entry == entries.end()) return std::nullopt;
  return Unquoted(entry->value);
}

// The integer reader in plain steps: at most 29 units, blanks and control
// characters skipped, a sign, a lower-case prefix, the longest run of
// digits of the base, taken modulo 2^32 at the end (29 digits fit 128 bits).
int PlainProfileInt(std::u16string_view value, int fallback) {
  std::string text;
  for (char16_t c : value.substr(0, 29)) text += c < 0x80 ? static_cast<char>(c) : '?';
  if (text.empty()) return fallback;
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  unsigned base = 10;
  if (text.compare(i, 2, "0x") == 0)
    base = 16;
  else if (text.compare(i, 2, "0o") == 0)
    base = 8;
  else if (text.compare(i, 2, "0b") == 0)
    base = 2;
  if (base != 10) i += 2;
  constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
  unsigned __int128 total = 0;
  for (; i < text.size(); ++i) {
    const std::size_t digit = kDigits.find(static_cast<char>(std::tolower(static_cast<unsigned char>(text[i]))));
    if (digit == kDigits.npos || digit >= base) break;
    total = total * base + digit;
  }
  const auto low = static_cast<std::uint32_t>(total);
  return static_cast<int>(negative ? 0u - low : low);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = Utf16Units(data, size);
  IniSection section = IniSection::Parse(text);
  const std::vector<Entry> entries = PlainEntries(text);
  for (const Entry& entry : entries) {
    FUZZ_CHECK(section.Get(entry.key) == PlainGet(entries, entry.key));
    FUZZ_CHECK(ProfileInt(entry.value, -1) == PlainProfileInt(entry.value, -1));
  }
  FUZZ_CHECK(!section.Get(u"no such key\n").has_value());

  const std::u16string written = section.Serialize();
  FUZZ_CHECK(IniSection::Parse(written).Serialize() == written);

  if (!entries.empty()) {
    const std::u16string key = entries.back().key;
    const std::u16string value = entries.front().value;
    section.Set(key, value);
    FUZZ_CHECK(section.Get(key) == Unquoted(value));
  }

  const int number = static_cast<int>(size * 2654435761u);
  FUZZ_CHECK(ProfileInt(FormatDecimal(number), 0) == number);
  return 0;
}
