#include "framework/focus_order.h"

#include <algorithm>

#include "framework/gdi.h"

bool IsShown(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

bool IsFocusStop(HWND control) {
  if (!IsShown(control) || !IsWindowEnabled(control)) return false;
  const LRESULT code = SendMessageW(control, WM_GETDLGCODE, 0, 0);
  return code != 0 && !(code & DLGC_STATIC);
}

namespace {

void AppendInWindowOrder(HWND container, std::vector<HWND>& stops) {
  for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsFocusStop(child)) {
      stops.push_back(child);
    } else if (IsShown(child)) {
      AppendInWindowOrder(child, stops);
    }
  }
}

struct Placed {
  HWND window;
  RECT box;
  LONG Middle() const { return (box.top + box.bottom) / 2; }
};

}  // namespace

void AppendFocusStops(HWND container, std::vector<HWND>& stops) {
  std::vector<HWND> found;
  AppendInWindowOrder(container, found);
  std::vector<Placed> placed;
  for (HWND window : found) {
    Placed item{window, {}};
    GetWindowRect(window, &item.box);
    placed.push_back(item);
  }
  // Rows from the top: a row takes what stands beside its first control
  // (its middle within that control's height), then left to right.
  std::ranges::stable_sort(placed, {}, &Placed::Middle);
  for (auto row = placed.begin(); row != placed.end();) {
    const LONG bottom = row->box.bottom;
    const auto end = std::find_if(row, placed.end(), [bottom](const Placed& item) { return item.Middle() >= bottom; });
    std::stable_sort(row, end, [](const Placed& a, const Placed& b) { return a.box.left < b.box.left; });
    row = end;
  }
  for (const Placed& item : placed) stops.push_back(item.window);
}

HWND NextFocusStop(std::span<const HWND> stops, HWND from, FocusStep step) {
  if (stops.empty()) return nullptr;
  const bool backward = step == FocusStep::Backward;
  // A stop's inner window (a list's editor, a slider's thumb) stands for it.
  auto at = stops.end();
  for (HWND window = from; window && at == stops.end(); window = GetParent(window)) at = std::ranges::find(stops, window);
  if (at == stops.end()) return backward ? stops.back() : stops.front();
  const std::size_t count = stops.size();
  const std::size_t index = static_cast<std::size_t>(at - stops.begin());
  return stops[backward ? (index + count - 1) % count : (index + 1) % count];
}

std::optional<FocusStep> TabStep(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return std::nullopt;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return std::nullopt;
  return GetKeyState(VK_SHIFT) < 0 ? FocusStep::Backward : FocusStep::Forward;
}

void MoveFocus(std::span<const HWND> stops, FocusStep step) {
  if (HWND next = NextFocusStop(stops, GetFocus(), step)) {
    ShowFocusMarks(next);
    SetFocus(next);
  }
}

namespace {

// The mark on a top-level window that the keyboard has moved its focus:
// Wine keeps no UI state, so the program keeps its own.
constexpr wchar_t kMarksShown[] = L"VornaFocusMarksShown";

}  // namespace

void ShowFocusMarks(HWND window) {
  HWND top = GetAncestor(window, GA_ROOT);
  if (!top || GetPropW(top, kMarksShown)) return;
  SetPropW(top, kMarksShown, reinterpret_cast<HANDLE>(1));
  // The platform's state too, for the system's own controls.
  SendMessageW(top, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool ShowsFocusMark(HWND control) {
  if (GetFocus() != control) return false;
  // A user who asked for the keyboard cues always sees them.
  BOOL always = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0);
  return always || GetPropW(GetAncestor(control, GA_ROOT), kMarksShown) != nullptr;
}

void ForgetFocusMarks(HWND window) {
  // Only a top-level window holds the mark; asking every control that goes
  // would be a trip to the window server each.
  if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) RemovePropW(window, kMarksShown);
}

void DrawFocusMark(HDC dc, const RECT& rect, COLORREF colour) {
  const GdiBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &rect, brush.Get());
}
