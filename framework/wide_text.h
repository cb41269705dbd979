#pragma once
// Record texts are char16_t; the wide Win32 functions take wchar_t, which
// has the same size and encoding on Windows. These hand one to the other.
#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* Wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }

inline std::wstring_view Wide(std::u16string_view text) { return {Wide(text.data()), text.size()}; }

inline std::u16string_view Utf16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}
