#include "private_profile.h"

#include <windows.h>

#include "framework/wide.h"
#include "model/struct_encoding.h"

bool WriteStructValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                      std::span<const std::byte> bytes) {
  return WritePrivateProfileStructW(section, key, const_cast<std::byte*>(bytes.data()),
                                    static_cast<UINT>(bytes.size()), file.c_str()) != FALSE;
}

bool ReadStructValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                     std::span<std::byte> bytes) {
  // Read as text and decoded here: the platform's own reader takes any
  // letter for a digit and writes into its buffer before it checks the sum.
  // Two units more than a sound value, so a longer one shows as too long.
  std::wstring text(2 * bytes.size() + 4, L'\0');
  const DWORD length = GetPrivateProfileStringW(section, key, L"", text.data(), static_cast<DWORD>(text.size()),
                                                file.c_str());
  text.resize(length);
  return DecodeStruct(Utf16(text), std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
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
