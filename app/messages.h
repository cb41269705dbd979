#pragma once
// The private window messages by which the windows, the monitor process and
// the keyboard hook talk to each other. The values are fixed: the monitor
// uses 1224 and 1254-1257, and every receiver compares by number. All of
// them are posted; none carries a pointer.
#include <windows.h>

#include "framework/message_map.h"

// Kept beside the code that sends them: low-level keyboard hook ->
// capturing window (WM_HOOK_KEY, 1034), the main window <-> monitor
// messages (1224, 1254-1257) with the apply kinds, framed window -> its
// skinned scroll frame (WM_SKIN_SCROLL, 1124), slider -> its notify window
// (WM_SLIDER_POS, 1094), owner-drawn list box -> its notify window
// (WM_LIST_ITEM_EDITED, 1524; WM_LIST_RBUTTON, 1724) and numeric edit box
// -> its parent (the registered "BitmapEdit_KillFocus").
#include "link/monitor_messages.h"
#include "macro/key_hook_message.h"
#include "macro/list_box_messages.h"
#include "skin/bmp_edit_message.h"
#include "skin/skin_scroll_message.h"
#include "skin/slider_message.h"

// DPI level editor -> sensitivity page. wParam: kind in the high word, value
// in the low word; lParam: the editor's id.
inline constexpr UINT WM_DPI_LEVEL_CHANGED = 1128;
inline constexpr WPARAM kDpiLevelPosition = 2;  // value: the new level position
inline constexpr WPARAM kDpiLevelCurrent = 3;   // value: the level button's check
inline constexpr WPARAM DpiLevelParam(WPARAM kind, WPARAM value) { return (kind << 16) | (value & 0xFFFF); }
namespace msg {
template <auto handler>  // void (int kind, int value, int rowId)
constexpr MessageEntry DpiLevelChanged() {
  return MessageRow(WM_DPI_LEVEL_CHANGED, [](CWnd& w, WPARAM wParam, LPARAM row) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(IntParam(wParam >> 16), LOWORD(wParam), IntParam(row));
    return 0;
  });
}
}  // namespace msg

// Main window -> itself after its first paint: the planned controls are
// made. No parameters.
inline constexpr UINT WM_MAKE_CONTROLS = WM_APP + 1;

// Tab strip -> main window. wParam: page number 0-8.
inline constexpr UINT WM_SHOW_FUNCTION_PAGE = 11025;

// Function pages -> main window: write an assignment into the selected
// button's record. wParam: action; lParam: its argument.
inline constexpr UINT WM_ASSIGN_FUNCTION = 11026;
inline constexpr WPARAM kAssignRestore = 0;         // lParam: kRestore*
inline constexpr LPARAM kRestoreAllProfiles = 0;
inline constexpr LPARAM kRestoreSelectedButton = 1;
inline constexpr WPARAM kAssignKeyCombination = 2;  // lParam: 0
inline constexpr WPARAM kAssignMouseFunction = 3;   // lParam: 0
inline constexpr WPARAM kAssignKeyFunction = 4;     // lParam: 0
inline constexpr WPARAM kAssignMacro = 5;           // lParam: macro list index

// Any poster -> main window. lParam: kProfileAction*.
inline constexpr UINT WM_PROFILE_ACTION = 11027;
inline constexpr LPARAM kProfileActionSelectLanguage = 0;  // wParam: language index
inline constexpr LPARAM kProfileActionRefreshAll = 1;

// Mouse layout page -> main window. wParam: kSelectButtonTag; lParam: the
// button index 0-14, or kSelectButtonTrace, which only writes a trace.
inline constexpr UINT WM_SELECT_BUTTON = 11028;
inline constexpr WPARAM kSelectButtonTag = 40000;
inline constexpr LPARAM kSelectButtonTrace = 40001;
