#pragma once
// The message both sliders post to their notify window: wParam the new
// position, lParam the slider's id.
#include <windows.h>

inline constexpr UINT WM_SLIDER_POS = 1094;
