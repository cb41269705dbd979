#include "framework/exe_folder.h"

#include <windows.h>

std::wstring ExePath() {
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
  return path;
}

std::wstring ExeFolder() {
  const std::wstring path = ExePath();
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}
