#include "registry_key.h"

#include <utility>
#include <vector>

RegistryKey RegistryKey::OpenOrCreate(HKEY root, const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) return RegistryKey(key);
  if (RegCreateKeyW(root, path, &key) == ERROR_SUCCESS) return RegistryKey(key);
  return RegistryKey();
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    key_ = std::exchange(other.key_, nullptr);
  }
  return *this;
}

void RegistryKey::Close() {
  if (key_) RegCloseKey(std::exchange(key_, nullptr));
}

void RegistryKey::SetString(const wchar_t* name, const std::wstring& value) const {
  RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> RegistryKey::GetString(const wchar_t* name, DWORD maxBytes) const {
  std::vector<wchar_t> buffer(maxBytes / sizeof(wchar_t) + 1, L'\0');
  DWORD type = 0;
  DWORD size = maxBytes;
  if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  // The stored text need not be terminated; the extra unit is.
  const std::size_t units = size / sizeof(wchar_t);
  return std::wstring(buffer.data(), wcsnlen(buffer.data(), units));
}
