#pragma once
// The window base class: binds an HWND to its C++ object, routes the
// window's messages through the class's message table, and can take over
// (subclass) a system control so the control keeps its own behaviour for
// everything the table does not handle.
#include <windows.h>

#include <string>

#include "framework/message_map.h"

// What a window's pre-translation made of a queued message.
enum class PreTranslation {
  Continue,      // on to the next window up, the dialog's keyboard handling, dispatch
  Consumed,      // taken: nothing else sees it
  DispatchOnly,  // dispatched to its window as usual, but no dialog's keyboard handling sees it
};

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

  // Creates a plain window of the framework's own class, bound to this
  // object before its first message, so the table sees its creation too.
  // No background brush and no double-clicks: its class paints itself and
  // a second quick press stays a press.
  bool CreatePlainWindow(DWORD style, const RECT& rect, HWND parent, UINT id = 0, DWORD exStyle = 0);

  bool DestroyWindow();

  // Offered every queued message for this window or one of its
  // descendants before it is dispatched.
  virtual PreTranslation PreTranslateMessage(MSG* msg);

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

  // The table lookup; a class may override it to see every message. A
  // control's notification (WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL,
  // WM_CTLCOLOR*, WM_MEASUREITEM, WM_DRAWITEM) that this window's table does
  // not take is handed back to the control's object, found by its handle or,
  // for WM_MEASUREITEM (which comes before the control is subclassed), by
  // its identifier: its table's Reflected(message) row answers for this
  // window. Such rows do not call Default().
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
  friend LRESULT CALLBACK PlainWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Bind(HWND window);
  LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);
  // The bound control a notification to this window came from, or null.
  CWnd* NotifyingControl(UINT message, WPARAM wParam, LPARAM lParam) const;
  // Runs the control's row for a notification handed back to it; false
  // when its table has none.
  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // A control is also known by its parent and identifier.
  void RegisterIdentifier(HWND parent, UINT id);

  HWND hwnd_ = nullptr;
  WNDPROC defaultProc_ = nullptr;
  // The message being routed, for Default().
  const MSG* current_ = nullptr;
  // Where the object is known by identifier; id 0 when it is not.
  HWND idParent_ = nullptr;
  UINT id_ = 0;
};

// A window's whole text, however long.
std::wstring WindowText(HWND window);

// A window object whose window goes before any part of the object does, so
// the class's own destruction steps (its WM_DESTROY row) always run, also
// when the object's end is what ends the window. Window objects that may
// end before their window are held as Window<T>; modal dialogs (their loop
// ends the window) and the child windows of such an object (its window
// takes them along) need not be.
template <class T>
class Window final : public T {
 public:
  using T::T;
  ~Window() override { this->DestroyWindow(); }
};

// Subclassed system controls.
class CButton : public CWnd {
 public:
  bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(L"BUTTON", text, style, rect, parent, id);
  }
};

class CEdit : public CWnd {
 public:
  bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(L"EDIT", text, style, rect, parent, id);
  }
};

class CListBox : public CWnd {
 public:
  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(L"LISTBOX", L"", style, rect, parent, id);
  }
};

class CScrollBar : public CWnd {
 public:
  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(L"SCROLLBAR", L"", style, rect, parent, id);
  }
};
