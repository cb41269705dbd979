#include "skin/menu_hook.h"

#include <memory>
#include <unordered_map>

#include "framework/gdi.h"
#include "framework/handles.h"
#include "skin/palette.h"

namespace {

constexpr wchar_t kOldProcProperty[] = L"CoolMenu_oldProc";
constexpr wchar_t kMenuClass[] = L"#32768";
// The message a menu window receives when it is sized.
constexpr UINT kMenuSizingMessage = 0x1E2;
constexpr std::size_t kMapBuckets = 1000;
constexpr COLORREF kOuterLine = kSkinAccent;
constexpr COLORREF kInnerLines = kSkinBackground;

// One subclassed menu window.
struct CMenuWndHook {
  HWND window;
};

std::unordered_map<HWND, std::unique_ptr<CMenuWndHook>>& HookMap() {
  static std::unordered_map<HWND, std::unique_ptr<CMenuWndHook>> map(kMapBuckets);
  return map;
}

HookHandle& MenuHook() {
  static HookHandle hook;
  return hook;
}

WNDPROC OldProc(HWND window) { return reinterpret_cast<WNDPROC>(GetPropW(window, kOldProcProperty)); }

// Puts the window's own procedure back and forgets it.
void Unsubclass(HWND window) {
  if (WNDPROC old = OldProc(window)) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
  RemovePropW(window, kOldProcProperty);
  HookMap().erase(window);
}

void OutlineRect(HDC dc, const RECT& r, COLORREF colour) {
  GdiBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &r, brush.Get());
}

LRESULT CALLBACK MenuFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC old = OldProc(window);
  const bool hooked = HookMap().count(window) != 0;
  auto previous = [&] {
    return old ? CallWindowProcW(old, window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
  };
  switch (message) {
    case WM_SHOWWINDOW:
      if (!wParam && hooked) Unsubclass(window);
      return previous();
    case WM_NCDESTROY:
      if (hooked) Unsubclass(window);
      return previous();
    case WM_NCPAINT:
      if (!hooked) return previous();
      {
        RECT rect;
        GetWindowRect(window, &rect);
        OffsetRect(&rect, -rect.left, -rect.top);
        HDC dc = GetWindowDC(window);
        DrawFlatMenuFrame(dc, rect);
        ReleaseDC(window, dc);
      }
      return 0;
    case WM_PRINT: {
      const LRESULT result = previous();
      if (hooked) {
        RECT rect;
        GetWindowRect(window, &rect);
        OffsetRect(&rect, -rect.left, -rect.top);
        DrawFlatMenuFrame(reinterpret_cast<HDC>(wParam), rect);
      }
      return result;
    }
    default:
      return previous();
  }
}

bool IsMenuWindow(HWND window) {
  wchar_t name[10] = {};
  return GetClassNameW(window, name, 10) == 6 && lstrcmpW(name, kMenuClass) == 0;
}

LRESULT CALLBACK MenuHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && (call->message == WM_CREATE || call->message == kMenuSizingMessage) &&
      IsMenuWindow(call->hwnd) && !GetPropW(call->hwnd, kOldProcProperty)) {
    auto& record = HookMap()[call->hwnd];
    if (!record) record = std::make_unique<CMenuWndHook>(CMenuWndHook{call->hwnd});
    if (const LONG_PTR old = GetWindowLongPtrW(call->hwnd, GWLP_WNDPROC);
        old && SetPropW(call->hwnd, kOldProcProperty, reinterpret_cast<HANDLE>(old))) {
      if (!SetWindowLongPtrW(call->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuFrameProc)))
        RemovePropW(call->hwnd, kOldProcProperty);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool InstallMenuHook() {
  HookHandle& hook = MenuHook();
  if (!hook) hook.Reset(SetWindowsHookExW(WH_CALLWNDPROC, &MenuHookProc, GetModuleHandleW(nullptr), GetCurrentThreadId()));
  return static_cast<bool>(hook);
}

void RemoveMenuHook() {
  auto& map = HookMap();
  while (!map.empty()) Unsubclass(map.begin()->first);
  MenuHook().Reset();
}

std::size_t SubclassedMenuCount() { return HookMap().size(); }

void DrawFlatMenuFrame(HDC dc, const RECT& window) {
  RECT r = window;
  OutlineRect(dc, r, kOuterLine);
  InflateRect(&r, -1, -1);
  OutlineRect(dc, r, kInnerLines);
  InflateRect(&r, -1, -1);
  OutlineRect(dc, r, kInnerLines);
}
