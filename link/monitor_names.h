#pragma once
// The names under which the monitor and this program find each other.
#include <string>

inline constexpr wchar_t kMonitorMutexName[] = L"KESTRAVOX_7045_Gaming_Mouse_Normal_Mutex_Object";
inline constexpr wchar_t kMonitorMappingName[] = L"KESTRAVOX_7045_Gaming_Mouse_Normal_Share_Data";
inline constexpr wchar_t kMonitorWindowTitle[] = L"VORNA Gaming Mouse Monitor";
inline constexpr wchar_t kMainWindowTitle[] = L"VORNA Gaming Mouse option";

// One set of the names. The program always uses the standard set; tools and
// tests add a suffix to every name so several monitors can run side by side
// without meeting each other.
struct MonitorNames {
  std::wstring mutex;
  std::wstring mapping;
  std::wstring monitorWindow;
  std::wstring mainWindow;

  static MonitorNames Standard() { return WithSuffix(L""); }
  static MonitorNames WithSuffix(const std::wstring& suffix) {
    return {kMonitorMutexName + suffix, kMonitorMappingName + suffix, kMonitorWindowTitle + suffix,
            kMainWindowTitle + suffix};
  }
};
