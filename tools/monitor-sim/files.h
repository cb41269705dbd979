#pragma once
// Whole-file reads and writes for block files and the apply log.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes);
bool AppendLine(const std::wstring& path, const std::string& line);
