#pragma once
// The message the numeric edit box posts to its parent when its value may
// have changed. wParam: 1 when it lost the focus, 0 after its text changed.
// Registered once, at the first call (the application's start makes that
// call).
#include <windows.h>

#include "framework/message_map.h"

UINT BitmapEditKillFocusMessage();
inline constexpr WPARAM kBitmapEditTextChanged = 0;
inline constexpr WPARAM kBitmapEditLostFocus = 1;

namespace msg {

template <auto handler>  // void (bool lostFocus)
constexpr MessageEntry BitmapEditChanged() {
  return RegisteredRow(&BitmapEditKillFocusMessage, [](CWnd& w, WPARAM what, LPARAM) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(what == kBitmapEditLostFocus);
    return 0;
  });
}

}  // namespace msg
