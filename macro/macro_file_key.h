#pragma once
// The macro file's keys: each element is stored under its list position.
// Portable, so the rule for keys read from a file is tested natively.
#include <optional>
#include <string_view>

// The list position a key stands for: only keys as the saver writes them
// (decimal, no sign, no leading zero) for positions below `number`.
std::optional<int> MacroFilePosition(std::u16string_view key, int number);
