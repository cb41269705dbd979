#include "file_replacement.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "file_bytes.h"
#include "private_profile.h"

namespace {

// Beside the target, on the same volume, so the move never copies.
constexpr wchar_t kNewSuffix[] = L".new";

}  // namespace

FileReplacement::FileReplacement(std::wstring target)
    : target_(std::move(target)), newPath_(target_ + kNewSuffix) {
  DeleteFileW(newPath_.c_str());
}

FileReplacement::~FileReplacement() {
  if (!committed_) DeleteFileW(newPath_.c_str());
}

bool FileReplacement::Commit() {
  committed_ = MoveFileExW(newPath_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  return committed_;
}

bool ReplaceFileWith(const std::wstring& path, const FileUpdate& update) {
  FileReplacement replacement(path);
  const bool exists = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::vector<std::uint8_t> original = exists ? ReadWholeFile(path).value_or(std::vector<std::uint8_t>()) : std::vector<std::uint8_t>();
  const bool copied = exists ? WriteWholeFile(replacement.NewPath(), original) : CreateUnicodeFile(replacement.NewPath());
  if (!copied) return false;
  update(replacement.NewPath(), original);
  FlushPrivateProfile(replacement.NewPath());
  return replacement.Commit();
}
