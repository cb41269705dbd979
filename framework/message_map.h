#pragma once
// Message tables: each window class lists the messages it handles, one row
// per message, next to its declaration. The window procedure walks the
// class's table, then its base classes' tables, and calls the first match.
//
// Rows are typed, as WTL's crackers are: a row builder names the message
// and its handler, `msg::Paint<&CMine::OnPaint>()`, and the handler takes what
// the message carries (nothing, a point and the key flags, a timer's id),
// never the raw parameters. A message of the program's own gets its builder
// in namespace msg beside the code that sends it, made with `MessageRow`.
#include <windows.h>

#include <span>

#include "framework/message_params.h"

class CWnd;

// What a row calls: the window, the message's parameters, its result.
using MessageThunk = LRESULT (*)(CWnd& window, WPARAM wParam, LPARAM lParam);

// Matches any control of a WM_COMMAND or WM_NOTIFY row.
inline constexpr UINT kAnyControl = 0xFFFFFFFF;

// A notification a parent hands back to the control that sent it (see
// CWnd): the parent's message number moved into a range of its own, the one
// the system's control hosts use for the same purpose.
inline constexpr UINT kReflectedBase = WM_USER + 0x1C00;
constexpr UINT Reflected(UINT message) { return kReflectedBase + message; }

struct MessageEntry {
  UINT message;
  // WM_COMMAND / WM_NOTIFY rows: the notification code; WM_MEASUREITEM /
  // WM_DRAWITEM rows: the item type (ODT_MENU), 0 for any.
  UINT code;
  UINT control;  // control identifier of WM_COMMAND / WM_NOTIFY rows, or kAnyControl
  MessageThunk thunk;
  // A registered message: its number, known only at run time.
  UINT (*registered)() = nullptr;
};

struct MessageMap {
  const MessageMap* base;
  std::span<const MessageEntry> entries;
};

// The first row of `map` or its bases that takes this message, or null.
const MessageEntry* FindMessageEntry(const MessageMap* map, UINT message, WPARAM wParam, LPARAM lParam);

namespace message_rows {

template <class Member>
struct OwnerOf;
template <class T, class R, class... A>
struct OwnerOf<R (T::*)(A...)> {
  using Type = T;
};

// The window as the class the handler belongs to: a class's table is only
// ever used on objects of that class.
template <auto handler>
auto& Self(CWnd& window) {
  return static_cast<typename OwnerOf<decltype(handler)>::Type&>(window);
}

}  // namespace message_rows

// A row of `message` whose thunk cracks the parameters and calls the handler.
constexpr MessageEntry MessageRow(UINT message, MessageThunk thunk) { return {message, 0, kAnyControl, thunk}; }

// The typed rows, by message: `msg::Paint<&CMine::OnPaint>()`.
namespace msg {

// A handler that takes nothing and returns nothing: the message's result is 0.
template <auto handler>
constexpr MessageEntry Signal(UINT message) {
  return MessageRow(message, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)();
    return 0;
  });
}

template <auto handler>  // void ()
constexpr MessageEntry Paint() { return Signal<handler>(WM_PAINT); }

template <auto handler>  // void ()
constexpr MessageEntry Destroy() { return Signal<handler>(WM_DESTROY); }

template <auto handler>  // void ()
constexpr MessageEntry Close() { return Signal<handler>(WM_CLOSE); }

template <auto handler>  // void ()
constexpr MessageEntry MouseLeave() { return Signal<handler>(WM_MOUSELEAVE); }

template <auto handler>  // bool (HDC): whether the background was erased
constexpr MessageEntry EraseBkgnd() {
  return MessageRow(WM_ERASEBKGND, [](CWnd& w, WPARAM dc, LPARAM) -> LRESULT {
    return (message_rows::Self<handler>(w).*handler)(reinterpret_cast<HDC>(dc));
  });
}

template <auto handler>  // bool (const CREATESTRUCTW&): false ends the creation
constexpr MessageEntry Create() {
  return MessageRow(WM_CREATE, [](CWnd& w, WPARAM, LPARAM create) -> LRESULT {
    return (message_rows::Self<handler>(w).*handler)(*reinterpret_cast<const CREATESTRUCTW*>(create)) ? 0 : -1;
  });
}

template <auto handler>  // bool (): whether the system sets the focus
constexpr MessageEntry InitDialog() {
  return MessageRow(WM_INITDIALOG, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
    return (message_rows::Self<handler>(w).*handler)() ? TRUE : FALSE;
  });
}

// WM_MOUSEMOVE and the button messages: void (POINT in the client area, UINT key flags).
template <auto handler>
constexpr MessageEntry Mouse(UINT message) {
  return MessageRow(message, [](CWnd& w, WPARAM keys, LPARAM at) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(PointParam(at), static_cast<UINT>(keys));
    return 0;
  });
}

template <auto handler>  // void (int delta, UINT key flags, POINT on the screen)
constexpr MessageEntry MouseWheel() {
  return MessageRow(WM_MOUSEWHEEL, [](CWnd& w, WPARAM wParam, LPARAM at) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam),
                                              PointParam(at));
    return 0;
  });
}

// WM_KEYDOWN, WM_KEYUP: void (UINT virtual key); WM_CHAR: void (UINT character).
template <auto handler>
constexpr MessageEntry Key(UINT message) {
  return MessageRow(message, [](CWnd& w, WPARAM key, LPARAM) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(static_cast<UINT>(key));
    return 0;
  });
}

template <auto handler>  // void (UINT_PTR timer)
constexpr MessageEntry Timer() {
  return MessageRow(WM_TIMER, [](CWnd& w, WPARAM timer, LPARAM) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(static_cast<UINT_PTR>(timer));
    return 0;
  });
}

template <auto handler>  // void (SIZE of the client area)
constexpr MessageEntry Size() {
  return MessageRow(WM_SIZE, [](CWnd& w, WPARAM, LPARAM size) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(SIZE{LOWORD(size), HIWORD(size)});
    return 0;
  });
}

// WM_SETFOCUS, WM_KILLFOCUS: void (HWND the window that had or gets the focus).
template <auto handler>
constexpr MessageEntry Focus(UINT message) {
  return MessageRow(message, [](CWnd& w, WPARAM other, LPARAM) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(reinterpret_cast<HWND>(other));
    return 0;
  });
}

template <auto handler>  // void (HWND the window that takes the capture)
constexpr MessageEntry CaptureChanged() {
  return MessageRow(WM_CAPTURECHANGED, [](CWnd& w, WPARAM, LPARAM taker) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(reinterpret_cast<HWND>(taker));
    return 0;
  });
}

template <auto handler>  // void (bool enabled)
constexpr MessageEntry Enable() {
  return MessageRow(WM_ENABLE, [](CWnd& w, WPARAM enabled, LPARAM) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(enabled != 0);
    return 0;
  });
}

// A scroll bar's SBM_SETSCROLLINFO: int (const SCROLLINFO&, bool redraw), the position.
template <auto handler>
constexpr MessageEntry SetScrollInfo() {
  return MessageRow(SBM_SETSCROLLINFO, [](CWnd& w, WPARAM redraw, LPARAM info) -> LRESULT {
    if (!info) return 0;
    return (message_rows::Self<handler>(w).*handler)(*reinterpret_cast<const SCROLLINFO*>(info), redraw != 0);
  });
}

// A scroll bar's SBM_GETSCROLLINFO: void (SCROLLINFO&) fills what its mask asks.
template <auto handler>
constexpr MessageEntry GetScrollInfo() {
  return MessageRow(SBM_GETSCROLLINFO, [](CWnd& w, WPARAM, LPARAM info) -> LRESULT {
    if (!info) return FALSE;
    (message_rows::Self<handler>(w).*handler)(*reinterpret_cast<SCROLLINFO*>(info));
    return TRUE;
  });
}

template <auto handler>  // bool (): whether the cursor was set
constexpr MessageEntry SetCursor() {
  return MessageRow(WM_SETCURSOR, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
    return (message_rows::Self<handler>(w).*handler)() ? TRUE : FALSE;
  });
}

template <auto handler>  // HICON ()
constexpr MessageEntry QueryDragIcon() {
  return MessageRow(WM_QUERYDRAGICON, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
    return reinterpret_cast<LRESULT>((message_rows::Self<handler>(w).*handler)());
  });
}

template <auto handler>  // void ()
constexpr MessageEntry NcPaint() { return Signal<handler>(WM_NCPAINT); }

template <auto handler>  // UINT (): the DLGC_ flags of what the control takes from the keyboard
constexpr MessageEntry GetDlgCode() {
  return MessageRow(WM_GETDLGCODE, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
    return (message_rows::Self<handler>(w).*handler)();
  });
}

// WM_CONTEXTMENU: void (POINT on the screen; (-1, -1) from the keyboard).
template <auto handler>
constexpr MessageEntry ContextMenu() {
  return MessageRow(WM_CONTEXTMENU, [](CWnd& w, WPARAM, LPARAM at) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(PointParam(at));
    return 0;
  });
}

template <auto handler>  // int (wchar_t* buffer, int size): the characters copied
constexpr MessageEntry GetText() {
  return MessageRow(WM_GETTEXT, [](CWnd& w, WPARAM size, LPARAM buffer) -> LRESULT {
    return (message_rows::Self<handler>(w).*handler)(reinterpret_cast<wchar_t*>(buffer), IntParam(size));
  });
}

template <auto handler>  // int (): the text's length
constexpr MessageEntry GetTextLength() {
  return MessageRow(WM_GETTEXTLENGTH, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
    return (message_rows::Self<handler>(w).*handler)();
  });
}

// WM_HSCROLL, WM_VSCROLL: void (int request, int position, HWND the bar, null for the window's own).
template <auto handler>
constexpr MessageEntry Scroll(UINT message) {
  return MessageRow(message, [](CWnd& w, WPARAM what, LPARAM bar) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(LOWORD(what), static_cast<short>(HIWORD(what)),
                                              reinterpret_cast<HWND>(bar));
    return 0;
  });
}

// A control's WM_COMMAND notification `code`: void (). Skinned buttons all
// have identifier 0, so their owners take every control.
template <auto handler>
constexpr MessageEntry Command(UINT code, UINT control) {
  return {WM_COMMAND, code, control, [](CWnd& w, WPARAM, LPARAM) -> LRESULT {
            (message_rows::Self<handler>(w).*handler)();
            return 0;
          }};
}

// Notification `code` from any control: void (int controlId, HWND control).
template <auto handler>
constexpr MessageEntry ControlCommand(UINT code) {
  return {WM_COMMAND, code, kAnyControl, [](CWnd& w, WPARAM wParam, LPARAM control) -> LRESULT {
            (message_rows::Self<handler>(w).*handler)(LOWORD(wParam), reinterpret_cast<HWND>(control));
            return 0;
          }};
}

// Rows of a control for the notifications its parent hands back to it.
template <auto handler>  // void ()
constexpr MessageEntry ReflectedCommand(UINT code) {
  MessageEntry row = Command<handler>(code, kAnyControl);
  row.message = Reflected(WM_COMMAND);
  return row;
}

// WM_CTLCOLOR*: HBRUSH (HDC) for a control's background, asked of its parent.
template <auto handler>
constexpr MessageEntry CtlColor(UINT message) {
  return MessageRow(message, [](CWnd& w, WPARAM dc, LPARAM) -> LRESULT {
    return reinterpret_cast<LRESULT>((message_rows::Self<handler>(w).*handler)(reinterpret_cast<HDC>(dc)));
  });
}

// The same, answered by the control itself.
template <auto handler>
constexpr MessageEntry ReflectedCtlColor(UINT message) {
  MessageEntry row = CtlColor<handler>(message);
  row.message = Reflected(message);
  return row;
}

template <auto handler>  // void (MEASUREITEMSTRUCT&)
constexpr MessageEntry MeasureItemRow(UINT message, UINT type) {
  return {message, type, kAnyControl, [](CWnd& w, WPARAM, LPARAM item) -> LRESULT {
            (message_rows::Self<handler>(w).*handler)(*reinterpret_cast<MEASUREITEMSTRUCT*>(item));
            return TRUE;
          }};
}

template <auto handler>  // void (const DRAWITEMSTRUCT&)
constexpr MessageEntry DrawItemRow(UINT message, UINT type) {
  return {message, type, kAnyControl, [](CWnd& w, WPARAM, LPARAM item) -> LRESULT {
            (message_rows::Self<handler>(w).*handler)(*reinterpret_cast<const DRAWITEMSTRUCT*>(item));
            return TRUE;
          }};
}

template <auto handler>
constexpr MessageEntry ReflectedMeasureItem() { return MeasureItemRow<handler>(Reflected(WM_MEASUREITEM), 0); }
template <auto handler>
constexpr MessageEntry ReflectedDrawItem() { return DrawItemRow<handler>(Reflected(WM_DRAWITEM), 0); }
// The items of the window's own owner-drawn menus.
template <auto handler>
constexpr MessageEntry MenuMeasureItem() { return MeasureItemRow<handler>(WM_MEASUREITEM, ODT_MENU); }
template <auto handler>
constexpr MessageEntry MenuDrawItem() { return DrawItemRow<handler>(WM_DRAWITEM, ODT_MENU); }

// A message whose parameters the handler hands on whole to code that reads
// them itself (the main window's dispatch): LRESULT (WPARAM, LPARAM).
template <auto handler>
constexpr MessageEntry Forwarded(UINT message) {
  return MessageRow(message, [](CWnd& w, WPARAM wParam, LPARAM lParam) -> LRESULT {
    return (message_rows::Self<handler>(w).*handler)(wParam, lParam);
  });
}

}  // namespace msg

// A registered message: its number comes from `number` at run time.
constexpr MessageEntry RegisteredRow(UINT (*number)(), MessageThunk thunk) {
  return {0, 0, kAnyControl, thunk, number};
}
