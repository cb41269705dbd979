#pragma once
// Replaces a file without a moment in which it is missing or half written:
// the new content goes to a file of its own beside it, which is then moved
// over it in one step. Until then, and if anything fails, the old file stays
// whole.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

class FileReplacement {
 public:
  // Makes the new file: empty, in the target's folder, under a name no
  // other file has.
  explicit FileReplacement(std::wstring target);
  // Removes the new file unless it replaced the target.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Where the new content is written; empty when no new file could be made.
  const std::wstring& NewPath() const { return newPath_; }
  // Moves the new file over the target, which keeps its attributes. False
  // leaves the target as it was: a read-only target is never replaced, as
  // the platform's own writers refuse it too.
  bool Commit();

 private:
  std::wstring target_;
  std::wstring newPath_;
  bool committed_ = false;
};

// Removes from the folder of `file` the new files a save cut short by a
// crash left there: only names FileReplacement makes ("vgm", one to four
// hexadecimal digits, ".tmp"), so no other file is touched.
void RemoveLeftoverNewFiles(const std::wstring& file);

// Updates an ini file through a FileReplacement: `update` works on a copy
// of the file (a new Unicode file when there is none; `original` holds the
// bytes it started from), and the copy replaces the file when it is done.
// A file that exists but cannot be read is left alone: false, and `update`
// never runs.
using FileUpdate = std::function<void(const std::wstring& copy, std::span<const std::uint8_t> original)>;
bool ReplaceFileWith(const std::wstring& path, const FileUpdate& update);
