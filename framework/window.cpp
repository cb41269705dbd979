#include "framework/window.h"

#include <map>
#include <unordered_map>
#include <utility>

#include "framework/focus_order.h"
#include "framework/gdi.h"
#include "framework/handles.h"

namespace {

// The objects of the windows bound on this thread (windows belong to the
// thread that made them). A map in the process, not a window property:
// reading a property is a trip to the window server, and every message
// needs its object.
thread_local std::unordered_map<HWND, CWnd*> boundObjects;
// Controls by parent and identifier, from before their window exists.
thread_local std::map<std::pair<HWND, UINT>, CWnd*> controlsById;

bool IsControlColour(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// The object waiting for the next window this thread creates, and the hook
// that binds it.
thread_local CWnd* pendingObject = nullptr;
thread_local HookHandle creationHook;

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* object = CWnd::FromHandle(window);
  if (!object) return DefWindowProcW(window, message, wParam, lParam);
  return object->Route(message, wParam, lParam);
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The creation names the object; once bound, this is its default.
  if (message == WM_NCCREATE && !CWnd::FromHandle(window)) {
    if (auto* object = static_cast<CWnd*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams)) {
      object->Bind(window);
      return FrameworkWindowProc(window, message, wParam, lParam);
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && pendingObject) {
    CWnd* object = std::exchange(pendingObject, nullptr);
    // Off at once: while a thread has a hook, every window it creates
    // (a dialog's children too) is one more trip to the window server.
    creationHook.Reset();
    object->Bind(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

CWnd::~CWnd() {
  if (hwnd_) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND window) {
  const auto found = boundObjects.find(window);
  return found != boundObjects.end() ? found->second : nullptr;
}

void CWnd::Bind(HWND window) {
  hwnd_ = window;
  boundObjects[window] = this;
  PreSubclassWindow();
  defaultProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
}

bool CWnd::SubclassWindow(HWND window) {
  if (!window || hwnd_ || FromHandle(window)) return false;
  Bind(window);
  return true;
}

bool CWnd::CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect, HWND parent,
                         UINT id, DWORD exStyle) {
  // Known by identifier first: an owner-drawn list is measured while it is made.
  RegisterIdentifier(parent, id);
  HWND window = CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (window && SubclassWindow(window)) return true;
  RegisterIdentifier(nullptr, 0);
  return false;
}

bool CWnd::CreatePlainWindow(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle) {
  static const ATOM windowClass = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &PlainWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"VornaPlainWindow";
    return RegisterClassExW(&wc);
  }();
  if (!windowClass || hwnd_) return false;
  // Only a child's menu handle is its identifier.
  const bool child = style & WS_CHILD;
  if (child) RegisterIdentifier(parent, id);
  HWND window = CreateWindowExW(exStyle, MAKEINTATOM(windowClass), L"", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                child ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr,
                                GetModuleHandleW(nullptr), this);
  if (window) return true;
  RegisterIdentifier(nullptr, 0);
  return false;
}

void CWnd::RegisterIdentifier(HWND parent, UINT id) {
  if (id_) controlsById.erase({idParent_, id_});
  idParent_ = parent;
  id_ = parent ? id : 0;
  if (id_) controlsById[{idParent_, id_}] = this;
}

bool CWnd::DestroyWindow() {
  return hwnd_ && ::DestroyWindow(hwnd_);
}

void CWnd::BindNextCreatedWindow(CWnd* object) {
  pendingObject = object;
  if (!creationHook) creationHook.Reset(SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, GetCurrentThreadId()));
}

void CWnd::EndBindNextCreatedWindow() {
  pendingObject = nullptr;
  creationHook.Reset();
}

PreTranslation CWnd::PreTranslateMessage(MSG*) {
  return PreTranslation::Continue;
}

const MessageMap& CWnd::Messages() {
  static const MessageMap map{nullptr, {}};
  return map;
}

LRESULT CWnd::Route(UINT message, WPARAM wParam, LPARAM lParam) {
  MSG current{hwnd_, message, wParam, lParam, 0, {}};
  const MSG* outer = std::exchange(current_, &current);
  LRESULT result = WindowProc(message, wParam, lParam);
  current_ = outer;
  if (message == WM_NCDESTROY) {
    // The window is gone: give the control its procedure back and unbind.
    HWND window = std::exchange(hwnd_, nullptr);
    ForgetFocusMarks(window);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    boundObjects.erase(window);
    RegisterIdentifier(nullptr, 0);
    defaultProc_ = nullptr;
    PostNcDestroy();
  }
  return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const MessageEntry* entry = FindMessageEntry(GetMessageMap(), message, wParam, lParam)) {
    return entry->thunk(*this, wParam, lParam);
  }
  // A window that paints itself paints the same into its parent's canvas.
  if (message == WM_PRINTCLIENT && wParam) {
    if (const MessageEntry* paint = FindMessageEntry(GetMessageMap(), WM_PAINT, 0, 0)) {
      PrintScope printing(hwnd_, reinterpret_cast<HDC>(wParam));
      return paint->thunk(*this, 0, 0);
    }
  }
  LRESULT result = 0;
  if (CWnd* control = NotifyingControl(message, wParam, lParam);
      control && control != this && control->HandleReflected(message, wParam, lParam, result)) {
    return result;
  }
  return DefaultFor(message, wParam, lParam);
}

CWnd* CWnd::NotifyingControl(UINT message, WPARAM, LPARAM lParam) const {
  if (message == WM_COMMAND || message == WM_HSCROLL || message == WM_VSCROLL || IsControlColour(message))
    return FromHandle(reinterpret_cast<HWND>(lParam));
  if (!lParam) return nullptr;
  switch (message) {
    case WM_NOTIFY: return FromHandle(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom);
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return item.CtlType == ODT_MENU ? nullptr : FromHandle(item.hwndItem);
    }
    case WM_MEASUREITEM: {
      const auto& item = *reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_MENU) return nullptr;
      const auto found = controlsById.find({hwnd_, item.CtlID});
      return found != controlsById.end() ? found->second : nullptr;
    }
    default: return nullptr;
  }
}

bool CWnd::HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const MessageEntry* entry = FindMessageEntry(GetMessageMap(), Reflected(message), wParam, lParam);
  if (!entry) return false;
  MSG current{hwnd_, Reflected(message), wParam, lParam, 0, {}};
  const MSG* outer = std::exchange(current_, &current);
  result = entry->thunk(*this, wParam, lParam);
  current_ = outer;
  return true;
}

LRESULT CWnd::Default() {
  return current_ ? DefaultFor(current_->message, current_->wParam, current_->lParam) : 0;
}

LRESULT CWnd::DefaultFor(UINT message, WPARAM wParam, LPARAM lParam) {
  if (defaultProc_) return CallWindowProcW(defaultProc_, hwnd_, message, wParam, lParam);
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}
