// Start-up of the program as a whole process, beside a minimal Win32
// program that shows one 800 x 700 window, measured in the same run,
// alternately, to two moments: the first look (the window's pixels on the
// screen as they stay) and every control live (the process waits for
// input with nothing left to do).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"

namespace {

constexpr int kRuns = 11;
constexpr DWORD kWaitMs = 30000;
// The look is read at a grid of points of the window, on the screen.
constexpr int kGrid = 6;

std::wstring WinePath(const char* linuxPath) {
  std::wstring path = L"Z:";
  for (const char* c = linuxPath; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return path;
}

struct ScreenPoint {
  POINT at;
  COLORREF settled;
};

struct Subject {
  std::string name;
  std::wstring exe;
  const wchar_t* title;
  // Where the settled window differs from the empty screen.
  std::vector<ScreenPoint> look;
  std::vector<double> firstLook;
  std::vector<double> live;
};

HWND ShownWindow(const wchar_t* title) {
  HWND window = FindWindowW(nullptr, title);
  return window && IsWindowVisible(window) ? window : nullptr;
}

bool LookIsSettled(HDC screen, const std::vector<ScreenPoint>& look) {
  for (const ScreenPoint& point : look)
    if (GetPixel(screen, point.at.x, point.at.y) != point.settled) return false;
  return true;
}

double Now() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Starts the subject; with its look known, times the first look and every
// control live. Closing is outside the measured time (`Close`).
PROCESS_INFORMATION Start(Subject& subject, bool timed) {
  std::wstring commandLine = L"\"" + subject.exe + L"\"";
  const std::wstring folder = subject.exe.substr(0, subject.exe.find_last_of(L'\\'));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double started = Now();
  if (!CreateProcessW(subject.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process))
    return process;
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  if (timed) {
    HDC screen = GetDC(nullptr);
    while (!LookIsSettled(screen, subject.look) && GetTickCount64() < deadline) Sleep(1);
    ReleaseDC(nullptr, screen);
    subject.firstLook.push_back(Now() - started);
  }
  // Idle only once the window shows, with no paint still due.
  WaitForInputIdle(process.hProcess, kWaitMs);
  HWND window = nullptr;
  while (!(window = ShownWindow(subject.title)) && GetTickCount64() < deadline) Sleep(1);
  if (window) RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (timed) subject.live.push_back(Now() - started);
  return process;
}

void Close(PROCESS_INFORMATION& process, const wchar_t* title) {
  if (HWND window = FindWindowW(nullptr, title)) PostMessageW(window, WM_CLOSE, 0, 0);
  if (!process.hProcess) return;
  if (WaitForSingleObject(process.hProcess, kWaitMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// The subject's settled look at a grid of its window's points, where it
// differs from the screen without it.
void LearnLook(Subject& subject) {
  HDC screen = GetDC(nullptr);
  PROCESS_INFORMATION process = Start(subject, false);
  Sleep(2000);
  RECT rect{};
  if (HWND window = ShownWindow(subject.title)) GetWindowRect(window, &rect);
  std::vector<ScreenPoint> look;
  for (int row = 0; row < kGrid; ++row)
    for (int column = 0; column < kGrid; ++column)
      look.push_back({{rect.left + (2 * column + 1) * (rect.right - rect.left) / (2 * kGrid),
                       rect.top + (2 * row + 1) * (rect.bottom - rect.top) / (2 * kGrid)},
                      0});
  for (ScreenPoint& point : look) point.settled = GetPixel(screen, point.at.x, point.at.y);
  Close(process, subject.title);
  Sleep(500);
  for (const ScreenPoint& point : look)
    if (GetPixel(screen, point.at.x, point.at.y) != point.settled) subject.look.push_back(point);
  ReleaseDC(nullptr, screen);
}

}  // namespace

// Every further argument is another build of the program (say, the one
// before a change), measured in the same runs for a fair comparison.
int wmain(int argc, wchar_t** argv) {
  std::vector<Subject> subjects = {
      {"minimal 800 x 700 window", WinePath(MINIMAL_EXE), L"Minimal window", {}, {}, {}},
      {"VornaOption.exe main window", WinePath(PROGRAM_EXE), L"VORNA Gaming Mouse option", {}, {}, {}}};
  for (int i = 1; i < argc; ++i) {
    const std::wstring exe = argv[i];
    subjects.push_back({"program " + std::string(exe.begin(), exe.end()), exe, L"VORNA Gaming Mouse option", {}, {}, {}});
  }
  for (Subject& subject : subjects) LearnLook(subject);
  for (int run = 0; run < kRuns; ++run) {
    for (Subject& subject : subjects) {
      PROCESS_INFORMATION process = Start(subject, true);
      Close(process, subject.title);
    }
  }
  std::vector<double> firstLooks, lives;
  for (Subject& subject : subjects) {
    firstLooks.push_back(Median(subject.firstLook));
    lives.push_back(Median(subject.live));
    std::printf("%s (its look read at %zu points)\n", subject.name.c_str(), subject.look.size());
    Report("  to its first look", kRuns, firstLooks.back());
    Report("  to every control live", kRuns, lives.back());
  }
  for (std::size_t i = 1; i < subjects.size(); ++i)
    std::printf("ratio %s / minimal: first look %.2f, every control live %.2f (target under 2, aim 1.5)\n",
                subjects[i].name.c_str(), firstLooks[i] / firstLooks[0], lives[i] / lives[0]);
  return 0;
}
