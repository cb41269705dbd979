#pragma once
// Waiting for a state in tests: the thread's messages are pumped (hooks and
// windows live in its message loop) until the state holds or time runs out.
#include <windows.h>

#include <algorithm>
#include <functional>

inline constexpr DWORD kWaitTimeoutMs = 5000;

inline void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kWaitTimeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    PumpMessages();
    if (done()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    // Wakes for any message; the short cap also covers states that change
    // without one.
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20)),
                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}
