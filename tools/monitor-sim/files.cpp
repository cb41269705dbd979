#include "tools/monitor-sim/files.h"

#include <windows.h>

#include "framework/handles.h"

namespace {

bool WriteAll(HANDLE file, const void* data, std::size_t size) {
  DWORD written = 0;
  return WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

}  // namespace

bool AppendLine(const std::wstring& path, const std::string& line) {
  FileHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  // One write per line, so a reader never sees half of one.
  const std::string text = line + "\n";
  return file && WriteAll(file.Get(), text.data(), text.size());
}
