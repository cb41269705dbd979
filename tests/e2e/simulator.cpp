#include "tests/e2e/simulator.h"

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "tools/monitor-sim/files.h"

namespace {

constexpr DWORD kExitWaitMs = 20000;

std::wstring SimulatorPath() {
  const std::string linuxPath = MONITOR_SIM_EXE;
  return WinePath(std::wstring(linuxPath.begin(), linuxPath.end()));
}

std::wstring UniqueSuffix() {
  static int counter = 0;
  return L" test " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}

}  // namespace

HANDLE ChildrenJob() {
  static const KernelHandle job = [] {
    KernelHandle made(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (made) SetInformationJobObject(made.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return made;
  }();
  return job.Get();
}

KernelHandle StartInJob(std::wstring commandLine, const std::wstring& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return {};
  AssignProcessToJobObject(ChildrenJob(), process.hProcess);
  ResumeThread(process.hThread);
  CloseHandle(process.hThread);
  return KernelHandle(process.hProcess);
}

// Under Wine the root of the Linux file system is drive Z:.
std::wstring WinePath(const std::wstring& linuxPath) {
  std::wstring path = L"Z:" + linuxPath;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::wstring Quoted(const std::wstring& arg) { return L"\"" + arg + L"\""; }

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    // Keep this thread's windows answering while we wait.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

std::vector<std::string> LogLines(const std::wstring& path) {
  std::vector<std::string> lines;
  std::string line;
  for (std::uint8_t b : ReadWholeFile(path).value_or(std::vector<std::uint8_t>{})) {
    if (b != '\n') {
      line += static_cast<char>(b);
      continue;
    }
    lines.push_back(line);
    line.clear();
  }
  return lines;
}

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"monitor-sim" + UniqueSuffix() + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path_ + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do DeleteFileW((path_ + found.cFileName).c_str());
    while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path_.c_str());
}

Simulator::Simulator(Names names) : suffix_(names == Names::Unique ? UniqueSuffix() : L"") {
  names_ = MonitorNames::WithSuffix(suffix_);
}

Simulator::~Simulator() {
  if (!server_) return;
  if (HWND window = FindWindowW(nullptr, names_.monitorWindow.c_str())) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(server_.Get(), kExitWaitMs) != WAIT_OBJECT_0) TerminateProcess(server_.Get(), 1);
}

KernelHandle Simulator::Launch(const std::vector<std::wstring>& args) {
  std::wstring commandLine = Quoted(SimulatorPath());
  if (!suffix_.empty()) commandLine += L" --suffix " + Quoted(suffix_);
  for (const std::wstring& arg : args) commandLine += L" " + Quoted(arg);
  return StartInJob(commandLine);
}

bool Simulator::Serve(const std::vector<std::wstring>& args) {
  server_ = Launch(args);
  if (!server_) return false;
  return WaitUntil([&] {
    return FindWindowW(nullptr, names_.monitorWindow.c_str()) != nullptr ||
           WaitForSingleObject(server_.Get(), 0) == WAIT_OBJECT_0;
  }) && FindWindowW(nullptr, names_.monitorWindow.c_str()) != nullptr;
}

int Simulator::RunClient(const std::vector<std::wstring>& args) {
  KernelHandle client = Launch(args);
  if (!client) return -1;
  bool ended = WaitUntil([&] { return WaitForSingleObject(client.Get(), 0) == WAIT_OBJECT_0; });
  DWORD code = 0;
  if (!ended || !GetExitCodeProcess(client.Get(), &code)) {
    TerminateProcess(client.Get(), 1);
    return -1;
  }
  return static_cast<int>(code);
}
