#pragma once
// The message the numeric edit box posts to its parent when its value may
// have changed. wParam: 1 when it lost the focus, 0 after its text changed.
// Registered once, at the first call (the application's start makes that
// call).
#include <windows.h>

UINT BitmapEditKillFocusMessage();
inline constexpr WPARAM kBitmapEditTextChanged = 0;
inline constexpr WPARAM kBitmapEditLostFocus = 1;
