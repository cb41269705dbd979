#include "skin/skin_scroll_wnd.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>

#include "framework/gdi.h"
#include "skin/skin_scroll_message.h"

namespace {

constexpr wchar_t kFrameClass[] = L"VornaSkinScrollFrame";
constexpr UINT_PTR kResyncTimerId = 100;

// Framed windows and their frames. Kept here rather than in the target's
// user data, which stays its owner's, so a window whose user data holds
// anything else is never taken for a framed one.
thread_local std::unordered_map<HWND, CSkinScrollWnd*> frames;

// A plain window class for the frame and its limit window: no background,
// cursor or icon of its own.
bool RegisterFrameClass() {
  static const bool registered = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kFrameClass;
    return RegisterClassW(&windowClass) != 0;
  }();
  return registered;
}

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool HasStyle(HWND window, LONG_PTR bits) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & bits) != 0;
}

void PlaceBar(CSkinScrollBar& bar, bool shown, const RECT& rect) {
  SetWindowPos(bar.Hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

}  // namespace

const MessageMap& CSkinScrollWnd::Messages() {
  static const MessageEntry entries[] = {
      msg::SkinScroll<&CSkinScrollWnd::OnSkinScroll>(),
      msg::Size<&CSkinScrollWnd::OnSize>(),
      msg::Scroll<&CSkinScrollWnd::OnScroll>(WM_VSCROLL),
      msg::Scroll<&CSkinScrollWnd::OnScroll>(WM_HSCROLL),
      msg::Timer<&CSkinScrollWnd::OnTimer>(),
      msg::Paint<&CSkinScrollWnd::OnPaint>(),
      msg::Destroy<&CSkinScrollWnd::OnDestroy>(),
  };
  static const MessageMap map{&CWnd::Messages(), entries};
  return map;
}

CSkinScrollWnd* CSkinScrollWnd::FrameOf(HWND target) {
  const auto found = frames.find(target);
  return found != frames.end() ? found->second : nullptr;
}

CSkinScrollWnd* CSkinScrollWnd::Attach(HWND target, HBITMAP skin) {
  if (CSkinScrollWnd* frame = FrameOf(target)) return frame;
  if (!IsWindow(target) || !HasStyle(target, WS_CHILD) || !RegisterFrameClass()) return nullptr;
  std::unique_ptr<CSkinScrollWnd> frame(new CSkinScrollWnd);
  if (!frame->Wrap(target, skin)) return nullptr;
  return frame.release();
}

bool CSkinScrollWnd::Wrap(HWND target, HBITMAP skin) {
  skin_ = skin;
  thickness_ = BitmapSize(skin).cx / 9;
  HWND parent = GetParent(target);
  const RECT place = RectInParent(target);
  SIZE inner{place.right - place.left, place.bottom - place.top};

  // The border goes to the frame, around the bars too.
  const LONG_PTR style = GetWindowLongPtrW(target, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(target, GWL_EXSTYLE);
  movedStyle_ = style & WS_BORDER;
  movedExStyle_ = exStyle & WS_EX_CLIENTEDGE;
  if (movedStyle_) {
    inner.cx -= 2 * GetSystemMetrics(SM_CXBORDER);
    inner.cy -= 2 * GetSystemMetrics(SM_CXBORDER);
  }
  if (movedExStyle_) {
    inner.cx -= 2 * GetSystemMetrics(SM_CXEDGE);
    inner.cy -= 2 * GetSystemMetrics(SM_CXEDGE);
  }

  // Visible as the target itself is: a page still hidden while it builds
  // its lists shows them with itself.
  const DWORD frameStyle = WS_CHILD | static_cast<DWORD>(movedStyle_) | static_cast<DWORD>(style & WS_VISIBLE);
  HWND frame = CreateWindowExW(static_cast<DWORD>(movedExStyle_), kFrameClass, L"SkinScrollBarFrame", frameStyle,
                               place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(target))),
                               GetModuleHandleW(nullptr), nullptr);
  if (!frame) return false;
  if (!SubclassWindow(frame)) {
    ::DestroyWindow(frame);
    return false;
  }
  limit_ = CreateWindowExW(0, kFrameClass, L"LIMIT", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLimitWindowId)), GetModuleHandleW(nullptr),
                           nullptr);
  if (!limit_ || !horzBar_.Create(frame, kHorzBarId, false) || !vertBar_.Create(frame, kVertBarId, true)) return false;
  horzBar_.SetBitmap(skin);
  vertBar_.SetBitmap(skin);

  // The frame takes the target's place among its siblings; the target moves in.
  SetWindowPos(frame, target, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (movedStyle_) SetWindowLongPtrW(target, GWL_STYLE, style & ~WS_BORDER);
  if (movedExStyle_) SetWindowLongPtrW(target, GWL_EXSTYLE, exStyle & ~WS_EX_CLIENTEDGE);
  SetParent(target, limit_);
  target_ = target;
  frames[target] = this;
  oldWndProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSkinScrollWnd::TargetProc)));
  SetWindowPos(target, nullptr, 0, 0, std::max<LONG>(inner.cx, 0), std::max<LONG>(inner.cy, 0),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  resync_.Start(frame, kResyncTimerId, kResyncMs);
  return true;
}

void CSkinScrollWnd::Detach(HWND target) {
  CSkinScrollWnd* frame = FrameOf(target);
  if (!frame) return;
  // A frame on its way out takes the target along; it only lets go of it.
  if (frame->destroying_) {
    frame->Unhook();
    return;
  }
  HWND frameWindow = frame->Hwnd();
  const RECT place = RectInParent(frameWindow);
  frame->Unhook();
  SetParent(target, GetParent(frameWindow));
  if (frame->movedStyle_)
    SetWindowLongPtrW(target, GWL_STYLE, GetWindowLongPtrW(target, GWL_STYLE) | frame->movedStyle_);
  if (frame->movedExStyle_)
    SetWindowLongPtrW(target, GWL_EXSTYLE, GetWindowLongPtrW(target, GWL_EXSTYLE) | frame->movedExStyle_);
  SetWindowPos(target, frameWindow, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ::DestroyWindow(frameWindow);  // the frame object goes with its window
}

void CSkinScrollWnd::Unhook() {
  if (!target_) return;
  frames.erase(target_);
  if (IsWindow(target_)) SetWindowLongPtrW(target_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc_));
  target_ = nullptr;
}

void CSkinScrollWnd::PostNcDestroy() {
  Unhook();
  delete this;
}

LRESULT CALLBACK CSkinScrollWnd::TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CSkinScrollWnd* frame = FrameOf(window);
  if (!frame) return DefWindowProcW(window, message, wParam, lParam);
  const WNDPROC old = frame->oldWndProc_;
  if (message == WM_DESTROY) {
    // The target is going: let go of it now; the frame follows once the
    // target is gone (ending its ancestor now would end it twice).
    if (!frame->destroying_) PostMessageW(frame->Hwnd(), WM_CLOSE, 0, 0);
    frame->Unhook();
    return CallWindowProcW(old, window, message, wParam, lParam);
  }
  if (frame->inRelay_) return CallWindowProcW(old, window, message, wParam, lParam);

  if (message == WM_NCCALCSIZE && wParam) {
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    const RECT windowRect = params->rgrc[0];
    const LRESULT result = CallWindowProcW(old, window, message, wParam, lParam);
    if ((frame = FrameOf(window))) frame->OnTargetNcCalcSize(windowRect, params->rgrc[0]);
    return result;
  }
  const LRESULT result = CallWindowProcW(old, window, message, wParam, lParam);
  if (message == WM_ERASEBKGND && (frame = FrameOf(window)) && !frame->inRelay_) {
    if (HasStyle(window, WS_VSCROLL)) frame->SyncBar(frame->vertBar_, SB_VERT, true, true);
    if (HasStyle(window, WS_HSCROLL)) frame->SyncBar(frame->horzBar_, SB_HORZ, true, true);
  }
  return result;
}

void CSkinScrollWnd::OnTargetNcCalcSize(const RECT& window, RECT& client) {
  const bool vertical = HasStyle(target_, WS_VSCROLL);
  const bool horizontal = HasStyle(target_, WS_HSCROLL);
  const LONG_PTR left = GetWindowLongPtrW(target_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR;
  const int t = thickness_;
  // Only a bar-thick strip of each system bar is left, and clipped away.
  if (vertical) {
    const int grow = GetSystemMetrics(SM_CXVSCROLL) - t;
    if (left) {
      client.left -= grow;
    } else {
      client.right += grow;
    }
  }
  if (horizontal) client.bottom += GetSystemMetrics(SM_CYHSCROLL) - t;

  // The skinned bars take the strips' places. In the frame the target's
  // window starts at (0, 0) once laid out, wherever it is for the moment.
  RECT in = client;
  OffsetRect(&in, -window.left, -window.top);
  PlaceBar(vertBar_, vertical,
           left ? RECT{in.left - t, 0, in.left, in.bottom} : RECT{in.right, 0, in.right + t, in.bottom});
  PlaceBar(horzBar_, horizontal,
           left ? RECT{in.left, in.bottom, in.right, in.bottom + t} : RECT{0, in.bottom, in.right, in.bottom + t});
  const int corner = vertical && horizontal ? (left ? 1 : 2) : 0;
  if (corner != cornerMode_) {
    cornerMode_ = corner;
    InvalidateRect(Hwnd(), nullptr, FALSE);
  }
  PostMessageW(Hwnd(), WM_SKIN_SCROLL, vertical ? WS_VSCROLL : 0, left);
}

void CSkinScrollWnd::SyncBar(CSkinScrollBar& bar, int which, bool onlyIfChanged, bool enable) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  if (!target_ || !GetScrollInfo(target_, which, &info)) return;
  const ScrollValues& values = bar.Values();
  const bool same = info.nMin == values.min && info.nMax == values.max && info.nPos == values.pos &&
                    info.nPage == values.page;
  if (same && onlyIfChanged) return;
  SendMessageW(bar.Hwnd(), SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
  if (enable) EnableWindow(bar.Hwnd(), int64_t{info.nMax} >= int64_t{info.nPage});
}

void CSkinScrollWnd::OnSkinScroll(bool vertical, bool left) {
  if (!target_) return;
  const int t = thickness_;
  inRelay_ = true;
  RECT rect;
  GetClientRect(Hwnd(), &rect);
  if (HasStyle(horzBar_.Hwnd(), WS_VISIBLE)) rect.bottom -= t;
  int x = 0;
  if (vertical && left) {
    rect.left += t;
    x = -t;
  } else if (vertical) {
    rect.right -= t;
  }
  SetWindowPos(limit_, nullptr, rect.left, rect.top, std::max<LONG>(rect.right - rect.left, 0),
               std::max<LONG>(rect.bottom - rect.top, 0), SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(target_, nullptr, x, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  inRelay_ = false;
}

void CSkinScrollWnd::OnSize(SIZE size) {
  if (target_ && size.cx > 0 && size.cy > 0)
    SetWindowPos(target_, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSkinScrollWnd::OnScroll(int request, int position, HWND from) {
  const bool vertical = from == vertBar_.Hwnd();
  if (!target_ || (!vertical && from != horzBar_.Hwnd())) return;
  inRelay_ = true;
  SendMessageW(target_, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(request, position), 0);
  inRelay_ = false;
  if (request != SB_THUMBTRACK) SyncBar(vertical ? vertBar_ : horzBar_, vertical ? SB_VERT : SB_HORZ, false, false);
}

void CSkinScrollWnd::OnTimer(UINT_PTR id) {
  if (id != kResyncTimerId) {
    Default();
    return;
  }
  for (auto [bar, which] : {std::pair{&vertBar_, SB_VERT}, std::pair{&horzBar_, SB_HORZ}}) {
    if (HasStyle(bar->Hwnd(), WS_VISIBLE) && !bar->Dragging()) SyncBar(*bar, which, true, false);
  }
}

void CSkinScrollWnd::OnPaint() {
  PaintDc paint(Hwnd());
  if (!cornerMode_ || !skin_) return;
  const int t = thickness_;
  RECT client;
  GetClientRect(Hwnd(), &client);
  MemoryDc skin(paint.Get());
  SelectScope select(skin.Get(), skin_);
  BitBlt(paint.Get(), cornerMode_ == 1 ? 0 : client.right - t, client.bottom - t, t, t, skin.Get(), 8 * t,
         cornerMode_ == 1 ? t : 0, SRCCOPY);
}

void CSkinScrollWnd::OnDestroy() {
  destroying_ = true;
  resync_.Stop();
  Default();
}
