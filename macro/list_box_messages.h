#pragma once
// The messages the owner-drawn list box posts to its notify window, lParam
// the list's ControlId: a line's in-place edit committed with a text
// (wParam the line), and a right button pressed on the list (wParam 0).
#include <windows.h>

#include "framework/message_map.h"

inline constexpr UINT WM_LIST_ITEM_EDITED = 1524;
inline constexpr UINT WM_LIST_RBUTTON = 1724;

namespace msg {

template <auto handler>  // void (int line, int listId)
constexpr MessageEntry ListItemEdited() {
  return MessageRow(WM_LIST_ITEM_EDITED, [](CWnd& w, WPARAM line, LPARAM list) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(IntParam(line), IntParam(list));
    return 0;
  });
}

template <auto handler>  // void (int listId)
constexpr MessageEntry ListRightButton() {
  return MessageRow(WM_LIST_RBUTTON, [](CWnd& w, WPARAM, LPARAM list) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(IntParam(list));
    return 0;
  });
}

}  // namespace msg
