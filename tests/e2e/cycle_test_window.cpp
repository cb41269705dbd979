#include "tests/e2e/cycle_test_window.h"

CycleTestWindow::CycleTestWindow(const std::wstring& title) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"CycleTestWindow";
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            windowClass.hInstance, this);
}

CycleTestWindow::~CycleTestWindow() { DestroyWindow(window_); }

void CycleTestWindow::BeginBusy() {
  SetCapture(window_);
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void CycleTestWindow::EndBusy() {
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  ReleaseCapture();
}

LRESULT CALLBACK CycleTestWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  auto* self = reinterpret_cast<CycleTestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (SettingsCycle* cycle = self ? self->cycle_ : nullptr) {
    switch (message) {
      case WM_MONITOR_RELOAD: cycle->OnMonitorReload(); return 0;
      case WM_MONITOR_SETTINGS_CHANGED: cycle->OnMonitorSettingsChanged(); return 0;
      case WM_MONITOR_APPLY_DONE: cycle->OnMonitorApplyDone(); return 0;
      case WM_MONITOR_SENSOR_CHANGED: cycle->OnMonitorSensorChanged(); return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
