#pragma once
// The message the keyboard capture hook posts to its target for every key
// event: wParam the virtual key, lParam the event's flags below.
#include <windows.h>

#include "framework/message_map.h"

inline constexpr UINT WM_HOOK_KEY = 0x40A;

inline constexpr LPARAM kHookKeyExtended = LLKHF_EXTENDED;  // 0x01
inline constexpr LPARAM kHookKeyReleased = LLKHF_UP;        // 0x80

// Whether a WM_HOOK_KEY's wParam is a key at all (the hook reports 1-254);
// anything else came from some other poster.
constexpr bool IsHookKey(WPARAM vk) { return vk >= 1 && vk <= 254; }

namespace msg {

// void (UINT virtualKey, UINT flags of kHookKey*). A message whose wParam is
// no key came from another poster and reaches no handler.
template <auto handler>
constexpr MessageEntry HookKey() {
  return MessageRow(WM_HOOK_KEY, [](CWnd& w, WPARAM key, LPARAM flags) -> LRESULT {
    if (IsHookKey(key))
      (message_rows::Self<handler>(w).*handler)(static_cast<UINT>(key),
                                                static_cast<UINT>(flags & (kHookKeyExtended | kHookKeyReleased)));
    return 0;
  });
}

}  // namespace msg
