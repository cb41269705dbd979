#include "tools/monitor-sim/monitor_window.h"

#include <cstdio>
#include <vector>

#include "link/monitor_messages.h"
#include "tools/monitor-sim/apply_log.h"
#include "tools/monitor-sim/files.h"

namespace {

constexpr wchar_t kWindowClass[] = L"MonitorSimWindow";

struct Monitor {
  const Options& options;
  const MonitorNames& names;
  SharedBlock& block;
  UINT_PTR nextTimer = 1;
};

void OnApply(Monitor& monitor, HWND window, WPARAM kind) {
  std::vector<std::uint8_t> bytes;
  monitor.block.Read(bytes);
  // The saved block is complete before its log line appears, so a reader
  // that waits for the line finds the file whole.
  if (!monitor.options.saveFile.empty() && !WriteWholeFile(monitor.options.saveFile, bytes))
    std::fprintf(stderr, "monitor-sim: cannot write the saved block\n");
  if (!monitor.options.logFile.empty() && !AppendLine(monitor.options.logFile, ApplyLogLine(kind, bytes)))
    std::fprintf(stderr, "monitor-sim: cannot append to the log\n");
  if (monitor.options.doneDelayMs) SetTimer(window, monitor.nextTimer++, *monitor.options.doneDelayMs, nullptr);
}

void OnAnswerDue(Monitor& monitor, HWND window, UINT_PTR timer) {
  KillTimer(window, timer);
  if (HWND main = FindWindowW(nullptr, monitor.names.mainWindow.c_str()))
    PostMessageW(main, WM_MONITOR_APPLY_DONE, 0, 0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* monitor = reinterpret_cast<Monitor*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!monitor) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_MONITOR_APPLY:
      OnApply(*monitor, window, wParam);
      return 0;
    case WM_TIMER:
      OnAnswerDue(*monitor, window, wParam);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int Serve(const Options& options, const MonitorNames& names, SharedBlock& block) {
  Monitor monitor{options, names, block};
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  // Never shown: like the real monitor it lives in the background.
  HWND window = CreateWindowExW(0, kWindowClass, names.monitorWindow.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 320, 200, nullptr, nullptr, windowClass.hInstance, &monitor);
  if (!window) {
    std::fprintf(stderr, "monitor-sim: cannot create the monitor window\n");
    return 2;
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
