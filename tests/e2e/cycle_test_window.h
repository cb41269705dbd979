#pragma once
// The main window as far as the settings cycle sees it: a real top-level
// window with the main window's title, so the simulator's notifications
// reach it, and the busy state shown as the real capture and cursor.
#include <windows.h>

#include <string>

#include "link/settings_cycle.h"

class CycleTestWindow : public CycleWindow {
 public:
  explicit CycleTestWindow(const std::wstring& title);
  ~CycleTestWindow();
  CycleTestWindow(const CycleTestWindow&) = delete;
  CycleTestWindow& operator=(const CycleTestWindow&) = delete;

  // The cycle whose handlers the monitor's notifications go to.
  void Attach(SettingsCycle* cycle) { cycle_ = cycle; }

  void BeginBusy() override;
  void EndBusy() override;
  void ReportNoAnswer() override { ++unanswered; }
  void InvalidateReloadArea() override { ++invalidated; }
  void RefreshAll() override { ++refreshed; }

  bool HasCapture() const { return GetCapture() == window_; }

  int unanswered = 0;
  int invalidated = 0;
  int refreshed = 0;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  SettingsCycle* cycle_ = nullptr;
};
