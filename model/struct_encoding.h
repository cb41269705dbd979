#pragma once
// The private-profile struct encoding of whole records: two upper-case hex
// digits per byte, then the low byte of the bytes' sum as a checksum.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

std::u16string EncodeStruct(std::span<const std::uint8_t> bytes);

// Fills `bytes` only when the text is exactly a valid encoding of that many
// bytes (length, hex digits, checksum); otherwise leaves it untouched.
bool DecodeStruct(std::u16string_view text, std::span<std::uint8_t> bytes);
