#pragma once
// The window messages exchanged with the monitor process. The monitor uses
// these numbers, so they never change.

// To the monitor's window: the shared block was updated. wParam is one of
// the MonitorApplyKind values, lParam 0.
inline constexpr unsigned int WM_MONITOR_APPLY = 0x4C8;  // 1224

// From the monitor to the main window; neither parameter is used.
inline constexpr unsigned int WM_MONITOR_RELOAD = 0x4E6;            // 1254
inline constexpr unsigned int WM_MONITOR_SETTINGS_CHANGED = 0x4E7;  // 1255
inline constexpr unsigned int WM_MONITOR_APPLY_DONE = 0x4E8;        // 1256
inline constexpr unsigned int WM_MONITOR_SENSOR_CHANGED = 0x4E9;    // 1257

// wParam of WM_MONITOR_APPLY.
enum MonitorApplyKind : unsigned int {
  // The change flags in the block say what changed.
  kApplyNormal = 0,
  // Every profile was restored to factory values; every change flag is 1.
  kApplyRestoreAll = 1,
};
