#include "ini_section.h"

#include <algorithm>

namespace {

char16_t FoldCase(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameKey(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

bool HasBlankEnds(std::u16string_view text) {
  return !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
}

std::u16string StripQuotes(std::u16string_view value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::u16string(value);
}

}  // namespace

IniSection IniSection::Parse(std::u16string_view entries) {
  IniSection section;
  while (!entries.empty() && entries.front() != u'\0') {
    const std::size_t end = std::min(entries.find(u'\0'), entries.size());
    const std::u16string_view line = entries.substr(0, end);
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos)
      section.entries_.push_back({std::u16string(line), std::nullopt});
    else
      section.entries_.push_back({std::u16string(line.substr(0, equals)), std::u16string(line.substr(equals + 1))});
    entries.remove_prefix(std::min(end + 1, entries.size()));
  }
  return section;
}

template <typename Entries>
auto IniSection::FindIn(Entries& entries, std::u16string_view key) {
  auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return SameKey(e.key, key); });
  return it == entries.end() ? nullptr : &*it;
}

std::optional<std::u16string> IniSection::Get(std::u16string_view key) const {
  const Entry* entry = FindIn(entries_, key);
  if (!entry) return std::nullopt;
  return StripQuotes(entry->value.value_or(u""));
}

void IniSection::Set(std::u16string_view key, std::u16string_view value) {
  if (Entry* entry = FindIn(entries_, key))
    entry->value = std::u16string(value);
  else
    entries_.push_back({std::u16string(key), std::u16string(value)});
}

bool IniSection::SafeToWriteWhole() const {
  return std::all_of(entries_.begin(), entries_.end(),
                     [](const Entry& e) { return e.value && !HasBlankEnds(*e.value) && !HasBlankEnds(e.key); });
}

std::u16string IniSection::Serialize() const {
  std::u16string text;
  for (const Entry& e : entries_) {
    text += e.key;
    if (e.value) text += u'=' + *e.value;
    text += u'\0';
  }
  text += u'\0';
  return text;
}

bool IniFileHasComment(std::span<const std::uint8_t> bytes) {
  // UTF-16 files (marked by their byte-order mark) are read unit by unit,
  // any other byte by byte: ';' and the blanks are the same in every 8-bit
  // code page and in UTF-8.
  const bool littleEndian = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
  const bool bigEndian = bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF;
  const std::size_t unit = littleEndian || bigEndian ? 2 : 1;
  bool lineStart = true;
  for (std::size_t i = unit == 2 ? 2 : 0; i + unit <= bytes.size(); i += unit) {
    char16_t c = bytes[i];
    if (littleEndian) c = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    if (bigEndian) c = static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1]);
    if (c == u'\n' || c == u'\r')
      lineStart = true;
    else if (lineStart && c == u';')
      return true;
    else if (c != u' ' && c != u'\t')
      lineStart = false;
  }
  return false;
}
