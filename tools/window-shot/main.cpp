// window-shot: waits for a top-level window by its title, saves what it shows
// as a PNG, and optionally asks it to close. Used by `make run` to show the
// program on a machine without a screen. Without an output file it only
// waits for the window (shown or hidden) to exist.
//
//   window-shot.exe TITLE [OUTPUT.png] [--close] [--timeout MS]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "pixels.h"

namespace {

constexpr DWORD kDefaultTimeoutMs = 30000;
constexpr DWORD kPollMs = 20;

HWND WaitForWindow(const std::wstring& title, bool shown, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    HWND window = FindWindowW(nullptr, title.c_str());
    if (window && (!shown || IsWindowVisible(window))) return window;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(kPollMs);
  }
}

// The window's pixels as the screen shows them.
std::vector<COLORREF> CaptureWindow(HWND window, int& width, int& height) {
  RECT rect;
  GetWindowRect(window, &rect);
  WindowDc screen(nullptr);
  MemoryDc memory(screen.Get());
  GdiBitmap copy(CreateCompatibleBitmap(screen.Get(), rect.right - rect.left, rect.bottom - rect.top));
  {
    SelectScope select(memory.Get(), copy.Get());
    BitBlt(memory.Get(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen.Get(), rect.left, rect.top,
           SRCCOPY);
  }
  return ReadPixels(copy.Get(), width, height);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    fwprintf(stderr, L"usage: window-shot TITLE [OUTPUT.png] [--close] [--timeout MS]\n");
    return 2;
  }
  std::wstring output;
  bool close = false;
  DWORD timeoutMs = kDefaultTimeoutMs;
  for (int i = 2; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--close") {
      close = true;
    } else if (arg == L"--timeout" && i + 1 < argc) {
      timeoutMs = static_cast<DWORD>(_wtoi(argv[++i]));
    } else {
      output = arg;
    }
  }
  HWND window = WaitForWindow(argv[1], !output.empty(), timeoutMs);
  if (!window) {
    fwprintf(stderr, L"window-shot: no window \"%ls\"\n", argv[1]);
    return 1;
  }
  if (output.empty()) {
    if (close) PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  // Sent, so it returns once the window's thread has painted what is due.
  DWORD_PTR ignored;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
  int width = 0, height = 0;
  const std::vector<COLORREF> pixels = CaptureWindow(window, width, height);
  const bool saved = WritePng(output, pixels, width, height);
  if (close) PostMessageW(window, WM_CLOSE, 0, 0);
  return saved ? 0 : 1;
}
