#pragma once
// Points HKEY_CURRENT_USER of this process at a fresh private key for the
// life of a test, so tests meet the real registry without touching the
// prefix's own pointer settings or each other.
#include <windows.h>

#include <string>

class RegistrySandbox {
 public:
  RegistrySandbox() {
    path_ = std::wstring(kParent) + L"\\" + std::to_wstring(GetCurrentProcessId());
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegCreateKeyW(HKEY_CURRENT_USER, path_.c_str(), &key_);
    RegOverridePredefKey(HKEY_CURRENT_USER, key_);
  }
  ~RegistrySandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, kParent);  // only goes once no test uses it
  }
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;

  explicit operator bool() const { return key_ != nullptr; }

 private:
  static constexpr wchar_t kParent[] = L"Software\\VornaOptionTests";
  std::wstring path_;
  HKEY key_ = nullptr;
};
