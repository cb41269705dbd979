#pragma once
// The message a framed window's wrapped procedure posts to its skinned
// scroll frame when its non-client area changed: wParam nonzero when the
// window has a vertical bar, lParam nonzero when that bar is on the left.
#include <windows.h>

#include "framework/message_map.h"

inline constexpr UINT WM_SKIN_SCROLL = 1124;

namespace msg {

template <auto handler>  // void (bool verticalBar, bool barOnTheLeft)
constexpr MessageEntry SkinScroll() {
  return MessageRow(WM_SKIN_SCROLL, [](CWnd& w, WPARAM vertical, LPARAM left) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(vertical != 0, left != 0);
    return 0;
  });
}

}  // namespace msg
