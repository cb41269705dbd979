#include "data_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "framework/handles.h"

namespace {

constexpr const wchar_t* kFolderChain[] = {L"\\KESTRAVOX", L"\\QX4812", L"\\config"};

// Any file or folder of that name counts.
bool Exists(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  return static_cast<bool>(FileSearch(FindFirstFileW(path.c_str(), &found)));
}

}  // namespace

std::wstring GetDataFolder() {
  wchar_t base[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, base))) return {};
  std::wstring path = base;
  for (const wchar_t* folder : kFolderChain) {
    path += folder;
    // Without the maker's folder nothing below it can be made.
    if (!Exists(path) && !CreateDirectoryW(path.c_str(), nullptr) && folder == kFolderChain[0]) return path;
  }
  return path;
}
