#include "framework/ini_file.h"

#include <vector>

#include "framework/wide.h"

namespace {
constexpr DWORD kMaxValueChars = 2047;
}

std::wstring IniFile::ReadString(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) const {
  wchar_t value[kMaxValueChars + 1] = {};
  const DWORD length = GetPrivateProfileStringW(section, key, fallback, value, kMaxValueChars + 1, path_.c_str());
  return std::wstring(value, length);
}

std::wstring IniFile::ValueIn(const IniSection& section, const wchar_t* key, const wchar_t* fallback) {
  const std::optional<std::u16string> value = section.Get(Utf16(key));
  if (!value) return fallback;
  return std::wstring(Wide(*value).substr(0, kMaxValueChars));
}

bool IniFile::WriteString(const wchar_t* section, const wchar_t* key, const std::wstring& text) const {
  return WritePrivateProfileStringW(section, key, text.c_str(), path_.c_str()) != FALSE;
}

bool IniFile::WriteInt(const wchar_t* section, const wchar_t* key, int value) const {
  return WriteString(section, key, std::to_wstring(value));
}

IniSection IniFile::ReadSection(const wchar_t* section) const {
  // The call reports a full buffer as its size less two; grow until it fits.
  std::vector<wchar_t> buffer(32 * 1024);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetPrivateProfileSectionW(section, buffer.data(), size, path_.c_str());
    if (length < size - 2) return IniSection::Parse(Utf16(std::wstring_view(buffer.data(), length + 1)));
    buffer.resize(buffer.size() * 2);
  }
}

bool IniFile::WriteSection(const wchar_t* section, const IniSection& entries) const {
  const std::u16string text = entries.Serialize();
  return WritePrivateProfileSectionW(section, Wide(text.c_str()), path_.c_str()) != FALSE;
}
