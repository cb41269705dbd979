#pragma once
// Key messages as windows filter them.
#include <windows.h>

#include <algorithm>
#include <initializer_list>

// Whether `msg` is a key-down, key-up, system-key-down or system-key-up
// message of one of `keys`.
inline bool IsKeyMessageOf(const MSG& msg, std::initializer_list<WPARAM> keys) {
  const bool keyMessage = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN ||
                          msg.message == WM_SYSKEYUP;
  return keyMessage && std::find(keys.begin(), keys.end(), msg.wParam) != keys.end();
}

// Enter, Space and Escape: the keys that would press a focused control or
// end a dialog.
inline bool IsEnterSpaceOrEscape(const MSG& msg) { return IsKeyMessageOf(msg, {VK_RETURN, VK_SPACE, VK_ESCAPE}); }

// Any key or character message.
inline bool IsKeyboardMessage(const MSG& msg) { return msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST; }
