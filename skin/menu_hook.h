#pragma once
// The flat frame of every popup menu of the user-interface thread: a
// per-thread hook subclasses each menu window ("#32768") while it is shown
// and draws one red line outside and two dark lines inside instead of the
// system's frame.
#include <windows.h>

#include <cstddef>

// Installs the hook on the calling thread once; false when it cannot (menus
// then keep the system's look).
bool InstallMenuHook();
// Gives every menu window still subclassed its procedure back, forgets the
// records and removes the hook.
void RemoveMenuHook();

// Menu windows subclassed now.
std::size_t SubclassedMenuCount();

// The flat frame around `window` (rect from (0, 0)).
void DrawFlatMenuFrame(HDC dc, const RECT& window);
