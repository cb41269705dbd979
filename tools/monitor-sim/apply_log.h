#pragma once
// What the simulator records of each apply: one JSON object per line.
#include <cstdint>
#include <span>
#include <string>

#include "model/settings_record.h"

// FNV-1a, 64 bits: enough to tell blocks apart in a log.
std::uint64_t BlockHash(std::span<const std::uint8_t> bytes);
// The hash as the log shows it: 16 lower-case hexadecimal digits.
std::string BlockHashText(std::span<const std::uint8_t> bytes);

// `block` is what the shared block held (fewer bytes than a record when the
// mapping is short); fields it does not reach are logged as 0.
std::string ApplyLogLine(std::uintptr_t wParam, std::span<const std::uint8_t> block);
