#pragma once
// A folder of its own for one test, removed with everything in it.
#include <windows.h>

#include <filesystem>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    static int serial = 0;
    path_ = std::filesystem::temp_directory_path() /
            (L"store-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::wstring File(const wchar_t* name) const { return (path_ / name).wstring(); }

 private:
  std::filesystem::path path_;
};
