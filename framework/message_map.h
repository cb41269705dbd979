#pragma once
// Message tables: each window class lists the messages it handles, one row
// per message, next to its declaration. The window procedure walks the
// class's table, then its base classes' tables, and calls the first match.
#include <windows.h>

#include <span>

class CWnd;

// Every handler has one shape; it returns the message's result.
using MessageHandler = LRESULT (CWnd::*)(WPARAM, LPARAM);

// Matches any control of a WM_COMMAND or WM_NOTIFY row.
inline constexpr UINT kAnyControl = 0xFFFFFFFF;

// A notification a parent hands back to the control that sent it (see
// CWnd): the parent's message number moved into a range of its own, the one
// the system's control hosts use for the same purpose.
inline constexpr UINT kReflectedBase = WM_USER + 0x1C00;
constexpr UINT Reflected(UINT message) { return kReflectedBase + message; }

struct MessageEntry {
  UINT message;
  UINT code;     // notification code of WM_COMMAND / WM_NOTIFY rows
  UINT control;  // control identifier of those rows, or kAnyControl
  MessageHandler handler;
};

struct MessageMap {
  const MessageMap* base;
  std::span<const MessageEntry> entries;
};

// The first row of `map` or its bases that takes this message, or null.
const MessageEntry* FindMessageEntry(const MessageMap* map, UINT message, WPARAM wParam, LPARAM lParam);

// Row builders. The handler belongs to a class derived from CWnd; the table
// of that class is only ever used on objects of that class.
template <class T>
constexpr MessageEntry OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  return {message, 0, kAnyControl, static_cast<MessageHandler>(handler)};
}

// WM_COMMAND with notification `code`; skinned buttons all have identifier
// 0, so their owners take every control and tell them apart by handle.
template <class T>
constexpr MessageEntry OnCommand(UINT code, UINT control, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  return {WM_COMMAND, code, control, static_cast<MessageHandler>(handler)};
}

template <class T>
constexpr MessageEntry OnNotify(UINT code, UINT control, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  return {WM_NOTIFY, code, control, static_cast<MessageHandler>(handler)};
}

// Rows of a control for the notifications its parent hands back to it.
template <class T>
constexpr MessageEntry OnReflected(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  return {Reflected(message), 0, kAnyControl, static_cast<MessageHandler>(handler)};
}

template <class T>
constexpr MessageEntry OnReflectedCommand(UINT code, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  return {Reflected(WM_COMMAND), code, kAnyControl, static_cast<MessageHandler>(handler)};
}
