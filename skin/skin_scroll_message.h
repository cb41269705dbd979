#pragma once
// The message a framed window's wrapped procedure posts to its skinned
// scroll frame when its non-client area changed: wParam nonzero when the
// window has a vertical bar, lParam nonzero when that bar is on the left.
#include <windows.h>

inline constexpr UINT WM_SKIN_SCROLL = 1124;
