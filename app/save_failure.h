#pragma once
// A save that could not write its files says so: the user's edits are still
// in the program and can be saved again.
#include <windows.h>

#include "store/profile_store.h"

// A warning box owned by `owner`: the heading text, one file a line, then
// what to check. Nothing when every file was written; true when it warned.
bool ReportUnwrittenFiles(HWND owner, int headingText, const UnwrittenFiles& files);
