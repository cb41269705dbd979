#pragma once
// The window base class: binds an HWND to its C++ object, routes the
// window's messages through the class's message table, and can take over
// (subclass) a system control so the control keeps its own behaviour for
// everything the table does not handle.
#include <windows.h>

#include "framework/message_map.h"

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  HWND Hwnd() const { return hwnd_; }

  // The object bound to `window`, or null for a window of no object.
  static CWnd* FromHandle(HWND window);

  // Binds an existing window (a control) to this object and routes its
  // messages through this class; the control's own procedure stays the
  // default. Calls PreSubclassWindow first.
  bool SubclassWindow(HWND window);

  // Creates a system control ("BUTTON", "EDIT", ...) and subclasses it.
  bool CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect, HWND parent,
                     UINT id, DWORD exStyle = 0);

  bool DestroyWindow();

  // Offered every queued message for this window or one of its
  // descendants before it is dispatched; true consumes it.
  virtual BOOL PreTranslateMessage(MSG* msg);

  // An owner-drawn control draws itself: the parent hands its WM_DRAWITEM
  // back to the control's object. True when the control drew.
  virtual bool DrawItem(const DRAWITEMSTRUCT&) { return false; }

  // The message table of the most derived class.
  virtual const MessageMap* GetMessageMap() const { return &Messages(); }
  static const MessageMap& Messages();

 protected:
  // Called when a window is bound to the object, before any message of it
  // reaches the table.
  virtual void PreSubclassWindow() {}
  // Called after the window's last message (WM_NCDESTROY); the object is
  // unbound by then.
  virtual void PostNcDestroy() {}

  // The table lookup; a class may override it to see every message.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // What the window would do without this class: the subclassed control's
  // procedure, the dialog manager, or DefWindowProc.
  LRESULT Default();
  LRESULT DefaultFor(UINT message, WPARAM wParam, LPARAM lParam);

  // Arms the binding of the next window this thread creates to `object`,
  // so it sees that window's creation messages (dialogs among them).
  static void BindNextCreatedWindow(CWnd* object);
  static void EndBindNextCreatedWindow();

 private:
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK CreationHook(int, WPARAM, LPARAM);
  void Bind(HWND window);
  LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  WNDPROC defaultProc_ = nullptr;
  // The message being routed, for Default().
  const MSG* current_ = nullptr;
};

// A subclassed system push button.
class CButton : public CWnd {
 public:
  bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(L"BUTTON", text, style, rect, parent, id);
  }
};
