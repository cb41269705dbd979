#pragma once
// Whole files as bytes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The whole file; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, std::span<const std::uint8_t> bytes);

// An empty UTF-16 text file (byte-order mark only): the private-profile
// functions keep that encoding, so every name written into it round-trips.
bool CreateUnicodeFile(const std::wstring& path);
