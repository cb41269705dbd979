#pragma once
// An open registry key, closed once when it goes.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

class RegistryKey {
 public:
  // Opens the key with full access, creating it when it cannot be opened.
  static RegistryKey OpenOrCreate(HKEY root, const wchar_t* path);

  RegistryKey() = default;
  RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() { Close(); }

  explicit operator bool() const { return key_ != nullptr; }

  void SetString(const wchar_t* name, const std::wstring& value) const;
  // A string value of at most maxBytes bytes; nothing when it is missing,
  // not a string, or longer.
  std::optional<std::wstring> GetString(const wchar_t* name, DWORD maxBytes) const;

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  void Close();

  HKEY key_ = nullptr;
};
