#pragma once
// The program's few message boxes: what a user must know and cannot see in
// the window, such as a save that could not write its files.
#include <windows.h>

#include <string>
#include <vector>

#include "store/profile_store.h"

// A box under the main window's title, its paragraphs a blank line apart.
void ShowMessage(HWND owner, UINT style, const std::vector<std::wstring>& paragraphs);

// A warning that names the files a save could not write: the heading text,
// one file a line, then what to check. Nothing when every file was written;
// true when it warned. The user's edits are still in the program and can
// be saved again.
bool ReportUnwrittenFiles(HWND owner, int headingText, const UnwrittenFiles& files);
