// Start-up of the program to its first painted main window, as a whole
// process, beside a minimal Win32 program that shows one 800 x 700 window,
// measured in the same run, alternately.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"

namespace {

constexpr int kRuns = 11;
constexpr DWORD kWaitMs = 30000;

std::wstring WinePath(const char* linuxPath) {
  std::wstring path = L"Z:";
  for (const char* c = linuxPath; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return path;
}

// Starts `exe` and waits until it first waits for input with nothing left
// to do: its window is shown and every pending paint is done. The system
// tells that moment (WaitForInputIdle), so the measurement does not poll
// the window server, which both programs share, while they start.
// Closing is outside the measured time (`CloseAll`).
void StartUntilPainted(const std::wstring& exe, const wchar_t* title, std::vector<PROCESS_INFORMATION>& started) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process))
    return;
  started.push_back(process);
  WaitForInputIdle(process.hProcess, kWaitMs);
  // A program idle before its window shows would be measured short: wait
  // for the window too, and for any paint still due.
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  HWND window = nullptr;
  while (GetTickCount64() < deadline) {
    window = FindWindowW(nullptr, title);
    if (window && IsWindowVisible(window)) break;
    Sleep(1);
  }
  if (window) RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CloseAll(std::vector<PROCESS_INFORMATION>& started, const wchar_t* title) {
  if (HWND window = FindWindowW(nullptr, title)) PostMessageW(window, WM_CLOSE, 0, 0);
  for (PROCESS_INFORMATION& process : started) {
    if (WaitForSingleObject(process.hProcess, kWaitMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  started.clear();
}

}  // namespace

// Every further argument is another build of the program (say, the one
// before a change), measured in the same runs for a fair comparison.
int wmain(int argc, wchar_t** argv) {
  struct Subject {
    std::string name;
    std::wstring exe;
    const wchar_t* title;
    std::vector<double> times;
  };
  std::vector<Subject> subjects = {{"minimal 800 x 700 window", WinePath(MINIMAL_EXE), L"Minimal window", {}},
                                   {"VornaOption.exe main window", WinePath(PROGRAM_EXE), L"VORNA Gaming Mouse option", {}}};
  for (int i = 1; i < argc; ++i) {
    const std::wstring exe = argv[i];
    subjects.push_back({"program " + std::string(exe.begin(), exe.end()), exe, L"VORNA Gaming Mouse option", {}});
  }
  std::vector<PROCESS_INFORMATION> started;
  for (int run = 0; run < kRuns; ++run) {
    for (Subject& subject : subjects) {
      subject.times.push_back(MedianMilliseconds(1, [&] { StartUntilPainted(subject.exe, subject.title, started); }));
      CloseAll(started, subject.title);
    }
  }
  std::vector<double> medians;
  for (Subject& subject : subjects) {
    std::sort(subject.times.begin(), subject.times.end());
    medians.push_back(subject.times[kRuns / 2]);
    Report(subject.name.c_str(), kRuns, medians.back());
  }
  for (std::size_t i = 1; i < subjects.size(); ++i)
    std::printf("ratio %s / minimal: %.2f (target under 2)\n", subjects[i].name.c_str(), medians[i] / medians[0]);
  return 0;
}
