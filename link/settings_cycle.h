#pragma once
// The life of the two settings copies: filled at start from the monitor's
// block or the files, applied to the monitor and the files, and kept in step
// with the monitor's notifications.
#include <windows.h>

#include "link/monitor_link.h"
#include "store/profile_store.h"

class MacroList;

// How long an apply waits for the monitor's answer. The monitor hands a
// few hundred bytes to the device and answers well within a second; five
// seconds leave a busy device room without a user taking the program for
// hung.
inline constexpr UINT kMonitorAnswerTimeoutMs = 5000;

// What the cycle needs of the main window.
class CycleWindow {
 public:
  // Mouse capture and the wait cursor while an apply is under way.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
  // The monitor was told of an apply and did not answer in time.
  virtual void ReportNoAnswer() = 0;
  // The part of the window a reload repaints.
  virtual void InvalidateReloadArea() = 0;
  // Every page shown again from WorkingSettings.
  virtual void RefreshAll() = 0;

 protected:
  ~CycleWindow() = default;
};

// The two copies of the settings a cycle keeps in step: the one being
// edited and the one last applied (the program's are WorkingSettings and
// AppliedSettings; a test may hand its own).
struct SettingsCopies {
  SettingsRecord& working;
  SettingsRecord& applied;
};

class SettingsCycle {
 public:
  SettingsCycle(SettingsCopies settings, MonitorLink& link, MacroList& macros, CycleWindow& window)
      : working_(settings.working), applied_(settings.applied), link_(link), macros_(macros), window_(window) {}
  ~SettingsCycle();
  SettingsCycle(const SettingsCycle&) = delete;
  SettingsCycle& operator=(const SettingsCycle&) = delete;

  // At main-window creation, before the pages exist. Afterwards
  // CurrentProfile is within 0-4.
  void StartupLoad();
  // kind: kApplyNormal, or kApplyRestoreAll when the caller has already set
  // every change flag. The monitor is told only when its block was written
  // (else it would apply its own old block). Returns the settings files it
  // could not write; the monitor has the settings all the same.
  UnwrittenFiles Apply(WPARAM kind);

  void OnMonitorReload();
  void OnMonitorSettingsChanged();
  void OnMonitorApplyDone();
  void OnMonitorSensorChanged();

  // From the start of an apply until it is done: at once when standalone,
  // at WM_MONITOR_APPLY_DONE when the monitor was told, or when the answer
  // is kMonitorAnswerTimeoutMs overdue. An answer that comes later changes
  // nothing.
  bool Busy() const { return busy_; }

 private:
  static void CALLBACK OnAnswerOverdue(HWND, UINT, UINT_PTR timer, DWORD);

  // The monitor's block into the applied copy, made safe; false when
  // nothing could be read.
  bool ReadMonitorBlock();
  void EndBusy();
  void StopWaiting();

  SettingsRecord& working_;
  SettingsRecord& applied_;
  MonitorLink& link_;
  MacroList& macros_;
  CycleWindow& window_;
  bool busy_ = false;
  // The thread timer of the wait for the monitor's answer; 0 when none.
  UINT_PTR answerTimer_ = 0;
};
