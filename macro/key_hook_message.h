#pragma once
// The message the keyboard capture hook posts to its target for every key
// event: wParam the virtual key, lParam the event's flags below.
#include <windows.h>

inline constexpr UINT WM_HOOK_KEY = 0x40A;

inline constexpr LPARAM kHookKeyExtended = LLKHF_EXTENDED;  // 0x01
inline constexpr LPARAM kHookKeyReleased = LLKHF_UP;        // 0x80
