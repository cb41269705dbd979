#include "tools/monitor-sim/files.h"

#include <windows.h>

#include "link/unique_handle.h"

namespace {

bool WriteAll(HANDLE file, const void* data, std::size_t size) {
  DWORD written = 0;
  return WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path) {
  // Shared for writing too: the log may be read while the simulator has it open.
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
      read != bytes.size())
    return std::nullopt;
  return bytes;
}

bool WriteWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && WriteAll(file.get(), bytes.data(), bytes.size());
}

bool AppendLine(const std::wstring& path, const std::string& line) {
  UniqueHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  // One write per line, so a reader never sees half of one.
  const std::string text = line + "\n";
  return file && WriteAll(file.get(), text.data(), text.size());
}
