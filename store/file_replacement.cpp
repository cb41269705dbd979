#include "file_replacement.h"

#include <windows.h>

#include <utility>

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
