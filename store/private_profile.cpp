#include "private_profile.h"

#include <windows.h>

#include <algorithm>

namespace {

// The digits and the checksum byte of a value holding `size` bytes.
std::size_t EncodedLength(std::size_t size) { return 2 * (size + 1); }

bool IsHexDigit(wchar_t c) {
  return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}

}  // namespace

bool WriteStructValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                      std::span<const std::byte> bytes) {
  return WritePrivateProfileStructW(section, key, const_cast<std::byte*>(bytes.data()),
                                    static_cast<UINT>(bytes.size()), file.c_str()) != FALSE;
}

bool ReadStructValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                     std::span<std::byte> bytes) {
  // Two units more than a sound value, so a longer one shows as too long.
  const std::size_t expected = EncodedLength(bytes.size());
  std::wstring text(expected + 2, L'\0');
  const DWORD length = GetPrivateProfileStringW(section, key, L"", text.data(), static_cast<DWORD>(text.size()),
                                                file.c_str());
  text.resize(length);
  // The platform takes any letter for a digit and writes into its buffer
  // before it checks the sum, so it decodes into a scratch copy, and only
  // a value it could not misread is let through.
  if (text.size() != expected || !std::ranges::all_of(text, IsHexDigit)) return false;
  std::vector<std::byte> scratch(bytes.size());
  if (!GetPrivateProfileStructW(section, key, scratch.data(), static_cast<UINT>(scratch.size()), file.c_str()))
    return false;
  std::ranges::copy(scratch, bytes.begin());
  return true;
}

std::vector<std::wstring> KeyNames(const std::wstring& file, const wchar_t* section) {
  // The platform cuts the list to the buffer and then says size - 2.
  std::wstring buffer(4096, L'\0');
  DWORD length;
  while ((length = GetPrivateProfileStringW(section, nullptr, L"", buffer.data(), static_cast<DWORD>(buffer.size()),
                                            file.c_str())) >= buffer.size() - 2)
    buffer.resize(buffer.size() * 2);
  std::vector<std::wstring> names;
  for (std::size_t at = 0; at < length;) {
    const std::size_t end = buffer.find(L'\0', at);
    names.emplace_back(buffer, at, end - at);
    at = end + 1;
  }
  return names;
}

void FlushPrivateProfile(const std::wstring& file) {
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.c_str());
}
