#pragma once
// Signed decimal text, the form every number of the settings files and
// registry values takes.
#include <string>
#include <string_view>

// Leading blanks, an optional sign, digits up to the first other character;
// no digits gives 0; values beyond int are clamped.
int ParseDecimal(std::u16string_view text);

std::u16string FormatDecimal(long long value);
