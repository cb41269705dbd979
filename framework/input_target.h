#pragma once
// Input that came before the window it was meant for existed: the mouse's
// goes to the window now under its point, the keyboard's to the focus.
#include <windows.h>

// Mouse and keyboard messages.
bool IsUserInput(UINT message);
// Sends `msg` to the descendant of its window that would take it now (the
// mouse's capture, or the window under the pointer; the keyboard's focus),
// in that window's coordinates; else leaves it.
void RetargetInput(MSG& msg);
