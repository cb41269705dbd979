#pragma once
// The folder of the program's executable, with a trailing backslash; empty
// when the module name cannot be had. Settings files, the skin and the
// language libraries are found beside it.
#include <string>

std::wstring ExeFolder();

// The executable's full path; empty when it cannot be had.
std::wstring ExePath();
