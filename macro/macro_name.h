#pragma once
// How macro names are matched: white space around a name does not count,
// and neither does letter case.
#include <string_view>

std::u16string_view TrimWhiteSpace(std::u16string_view text);
bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b);
