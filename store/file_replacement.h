#pragma once
// Replaces a file without a moment in which it is missing or half written:
// the new content goes to a file beside it, which is then moved over it in
// one step. Until then, and if anything fails, the old file stays whole.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

class FileReplacement {
 public:
  // Clears what a replacement that never finished may have left beside.
  explicit FileReplacement(std::wstring target);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Where the new content is written.
  const std::wstring& NewPath() const { return newPath_; }
  // Moves the new file over the target; false leaves the target as it was.
  bool Commit();

 private:
  std::wstring target_;
  std::wstring newPath_;
  bool committed_ = false;
};

// Updates an ini file through a FileReplacement: `update` works on a copy
// of the file (a new Unicode file when there is none; `original` holds the
// bytes it started from), and the copy replaces the file when it is done.
using FileUpdate = std::function<void(const std::wstring& copy, std::span<const std::uint8_t> original)>;
bool ReplaceFileWith(const std::wstring& path, const FileUpdate& update);
