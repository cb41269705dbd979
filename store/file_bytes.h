#pragma once
// Whole files as bytes.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Nothing when the file cannot be opened or read whole.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes);

// An empty UTF-16 text file (byte-order mark only): the private-profile
// functions keep that encoding, so every name written into it round-trips.
bool CreateUnicodeFile(const std::wstring& path);
