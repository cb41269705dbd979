#include "skin_controls.h"

#include <string>

#include "skin/skin_files.h"

namespace {

CWnd* WantedWithin(HWND window, bool (*wanted)(CWnd*)) {
  if (CWnd* control = CWnd::FromHandle(window); control && wanted(control)) return control;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (CWnd* found = WantedWithin(child, wanted)) return found;
  return nullptr;
}

}  // namespace

POINT LayoutMiddle(const wchar_t* layout, int key) {
  const SkinRect rect = ReadButtonInfo(SkinFolder() + layout, std::to_wstring(key).c_str()).Rect;
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

CWnd* FindControlAt(HWND window, POINT at, int layer, bool (*wanted)(CWnd*)) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) && PtInRect(&place, at) && layer-- == 0)
      return WantedWithin(child, wanted);
  }
  return nullptr;
}
