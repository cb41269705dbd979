#include "skin/skin_files.h"

#include "framework/wide.h"

namespace {
constexpr DWORD kMaxValue = 2048;
}

std::wstring ExeFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring SkinFolder() {
  return ExeFolder() + L"Skins\\";
}

std::wstring ReadLayoutValue(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  wchar_t buffer[kMaxValue] = {};
  const DWORD length = GetPrivateProfileStringW(section, key, L"", buffer, kMaxValue, path.c_str());
  return std::wstring(buffer, length);
}

SkinButtonInfo ReadButtonInfo(const std::wstring& layoutPath, const wchar_t* key) {
  return ParseButtonInfo(Utf16(ReadLayoutValue(layoutPath, L"BUTTONINFO", key)));
}
