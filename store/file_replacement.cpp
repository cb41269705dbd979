#include "file_replacement.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "file_bytes.h"
#include "framework/handles.h"
#include "private_profile.h"

namespace {

// The new file's name: prefix, a unique number, ".tmp".
constexpr std::wstring_view kNewFilePrefix = L"vgm";
constexpr std::wstring_view kNewFileExtension = L".tmp";
constexpr std::size_t kMostNumberDigits = 4;

// Whether `name` is one GetTempFileNameW gives for the prefix: the
// number in hexadecimal, in either case.
bool IsNewFileName(std::wstring_view name) {
  const std::size_t prefix = kNewFilePrefix.size(), extension = kNewFileExtension.size();
  if (name.size() <= prefix + extension || name.size() > prefix + kMostNumberDigits + extension) return false;
  const auto same = [](std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
  };
  const std::wstring_view number = name.substr(prefix, name.size() - prefix - extension);
  return same(name.substr(0, prefix), kNewFilePrefix) && same(name.substr(name.size() - extension), kNewFileExtension) &&
         std::ranges::all_of(number, [](wchar_t c) { return iswxdigit(c) != 0; });
}

// What a replaced file keeps of its attributes.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L".\\" : path.substr(0, slash + 1);
}

// Nothing when the file is missing; its attributes otherwise. A path whose
// state cannot be told counts as a file that is there.
std::optional<DWORD> ExistingAttributes(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return attributes;
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
  return FILE_ATTRIBUTE_READONLY;
}

}  // namespace

FileReplacement::FileReplacement(std::wstring target) : target_(std::move(target)) {
  // The system picks a number no file in the folder has and makes the file,
  // so no other file is ever overwritten or deleted.
  wchar_t name[MAX_PATH] = {};
  if (GetTempFileNameW(FolderOf(target_).c_str(), std::wstring(kNewFilePrefix).c_str(), 0, name)) newPath_ = name;
}

FileReplacement::~FileReplacement() {
  if (!committed_ && !newPath_.empty()) DeleteFileW(newPath_.c_str());
}

bool FileReplacement::Commit() {
  if (newPath_.empty()) return false;
  if (const std::optional<DWORD> attributes = ExistingAttributes(target_)) {
    if (*attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
    const DWORD kept = *attributes & kKeptAttributes;
    SetFileAttributesW(newPath_.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
  }
  committed_ = MoveFileExW(newPath_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  return committed_;
}

void RemoveLeftoverNewFiles(const std::wstring& file) {
  const std::wstring folder = FolderOf(file);
  WIN32_FIND_DATAW found;
  const FileSearch search(
      FindFirstFileW((folder + std::wstring(kNewFilePrefix) + L"*" + std::wstring(kNewFileExtension)).c_str(), &found));
  if (!search) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsNewFileName(found.cFileName))
      DeleteFileW((folder + found.cFileName).c_str());
  } while (FindNextFileW(search.Get(), &found));
}

bool ReplaceFileWith(const std::wstring& path, const FileUpdate& update) {
  std::vector<std::uint8_t> original;
  if (ExistingAttributes(path)) {
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return false;
    original = std::move(*bytes);
  }
  FileReplacement replacement(path);
  const std::wstring& copy = replacement.NewPath();
  if (copy.empty()) return false;
  if (!(original.empty() ? CreateUnicodeFile(copy) : WriteWholeFile(copy, original))) return false;
  update(copy, original);
  FlushPrivateProfile(copy);
  return replacement.Commit();
}
