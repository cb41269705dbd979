#pragma once
// Updating a file so that a crash at any moment leaves either the old file
// or the new one, never a half-written one: the update goes to a copy beside
// it, which then replaces the original in one move.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// The whole file; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, std::span<const std::uint8_t> bytes);

// Creates an empty UTF-16 text file (byte-order mark only), so that the
// private-profile functions keep every name they write in it.
bool CreateUnicodeFile(const std::wstring& path);

// Runs `update` on a working copy of `path` (a copy of the file, or a new
// Unicode file when there is none; `original` holds the bytes it started
// from) and moves the copy over `path`.
using FileUpdate = std::function<void(const std::wstring& copy, std::span<const std::uint8_t> original)>;
bool ReplaceFileWith(const std::wstring& path, const FileUpdate& update);
