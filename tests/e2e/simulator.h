#pragma once
// The monitor simulator as a child process of a test. Every instance gets
// names of its own, so tests running side by side never meet.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "link/monitor_names.h"
#include "framework/handles.h"

// Polls `done` until it holds or `limit` passes.
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(20));

// The job every process a test starts joins: it is killed with the test
// program, even one that crashed before it could close them.
HANDLE ChildrenJob();

// Starts a command line as a process of ChildrenJob(), in `folder` (the
// test's own when empty); null when the process could not be made.
KernelHandle StartInJob(std::wstring commandLine, const std::wstring& folder = {});

// A path of the build (a Linux path) as Wine sees it, on drive Z:.
std::wstring WinePath(const std::wstring& linuxPath);
std::wstring Quoted(const std::wstring& arg);

// The complete lines of the simulator's apply log (a line still being
// written is left out).
std::vector<std::string> LogLines(const std::wstring& path);

// A scratch folder for one test, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  std::wstring File(const std::wstring& name) const { return path_ + name; }

 private:
  std::wstring path_;  // with a trailing backslash
};

class Simulator {
 public:
  // Unique names keep tests apart; the standard names are the ones the
  // program itself looks for.
  enum class Names { Unique, Standard };
  explicit Simulator(Names names = Names::Unique);
  // Ends a server still running: closes its window, or terminates it.
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  const MonitorNames& names() const { return names_; }

  // Starts the monitor and waits until its window exists (all its shared
  // objects are made before the window). False when it did not come up.
  bool Serve(const std::vector<std::wstring>& args = {});
  // Runs one client mode of the simulator to its end; its exit code, or -1
  // when it did not end in time.
  int RunClient(const std::vector<std::wstring>& args);

 private:
  KernelHandle Launch(const std::vector<std::wstring>& args);

  MonitorNames names_;
  std::wstring suffix_;
  KernelHandle server_;
};
