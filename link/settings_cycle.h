#pragma once
// The life of the two settings copies: filled at start from the monitor's
// block or the files, applied to the monitor and the files, and kept in step
// with the monitor's notifications.
#include <windows.h>

#include "link/monitor_link.h"
#include "store/profile_store.h"

class MacroList;

// What the cycle needs of the main window.
class CycleWindow {
 public:
  // Mouse capture and the wait cursor while an apply is under way.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
  // The part of the window a reload repaints.
  virtual void InvalidateReloadArea() = 0;
  // Every page shown again from WorkingSettings.
  virtual void RefreshAll() = 0;

 protected:
  ~CycleWindow() = default;
};

class SettingsCycle {
 public:
  SettingsCycle(MonitorLink& link, MacroList& macros, CycleWindow& window)
      : link_(link), macros_(macros), window_(window) {}

  // At main-window creation, before the pages exist. Afterwards
  // CurrentProfile is within 0-4.
  void StartupLoad();
  // kind: kApplyNormal, or kApplyRestoreAll when the caller has already set
  // every change flag. Returns the settings files it could not write; the
  // monitor has the settings all the same.
  UnwrittenFiles Apply(WPARAM kind);

  void OnMonitorReload();
  void OnMonitorSettingsChanged();
  void OnMonitorApplyDone();
  void OnMonitorSensorChanged();

  // From the start of an apply until it is done: at once when standalone,
  // at WM_MONITOR_APPLY_DONE when the monitor was told.
  bool Busy() const { return busy_; }

 private:
  // The monitor's block into AppliedSettings, made safe; false when
  // nothing could be read.
  bool ReadMonitorBlock();
  void EndBusy();

  MonitorLink& link_;
  MacroList& macros_;
  CycleWindow& window_;
  bool busy_ = false;
};
