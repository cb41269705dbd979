#pragma once
// Numbers as text: the signed decimal form of the settings files and
// registry values, and the settings files' numbers as the platform reads them.
#include <string>
#include <string_view>

// The registry values' rule: leading blanks, an optional sign, digits up to
// the first other character; no digits gives 0; values beyond int are
// clamped.
int ParseDecimal(std::u16string_view text);

std::u16string FormatDecimal(long long value);

// A settings-file number as the platform's private-profile integer reader
// gives it, from the value its string reader returns (quotes removed):
// only the first 29 units count; an empty value is `fallback`; then control
// characters and blanks are skipped, a sign and a lower-case "0x", "0o" or
// "0b" prefix are taken, and the digits of that base up to the first other
// character are summed with 32-bit wrap-around.
int ProfileInt(std::u16string_view value, int fallback);
