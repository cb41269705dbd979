#include "framework/input_target.h"

#include <windowsx.h>

namespace {

bool IsWheel(UINT message) { return message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL; }

// The mouse messages whose point is in the client coordinates of their window.
bool HasClientPoint(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && !IsWheel(message); }

// The messages that go to the focus: keys, and the wheel as the system sends it.
bool GoesToFocus(UINT message) { return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || IsWheel(message); }

}  // namespace

bool IsUserInput(UINT message) { return HasClientPoint(message) || GoesToFocus(message); }

void RetargetInput(MSG& msg) {
  if (!msg.hwnd) return;
  if (GoesToFocus(msg.message)) {
    if (HWND focus = GetFocus(); focus && IsChild(msg.hwnd, focus)) msg.hwnd = focus;
    return;
  }
  if (!HasClientPoint(msg.message)) return;
  POINT point{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  ClientToScreen(msg.hwnd, &point);
  const HWND capture = GetCapture();
  const HWND under = capture ? capture : WindowFromPoint(point);
  if (!under || !IsChild(msg.hwnd, under)) return;
  ScreenToClient(under, &point);
  msg.hwnd = under;
  msg.lParam = MAKELPARAM(point.x, point.y);
}
