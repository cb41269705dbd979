#include "bench/held_resources.h"

#include <psapi.h>

namespace {

// Wine 8 counts none of these itself: GetProcessHandleCount and
// GetGuiResources give 0, and PrivateUsage stays 0 (PagefileUsage, the same
// commit charge on Windows, is kept). Its GDI and USER handles carry a table
// index in their low word and a handle whose high word is zero stands for
// whatever lives at that index; its GDI table is the process's own. So
// probing every index finds every GDI object the process holds, and every
// menu (USER objects here: windows, enumerated, and menus; icons and cursors
// are not counted). Kernel handles are probed by value, in steps of four.
constexpr unsigned kHandleIndices = 0x10000;
// USER indices start here and step by two.
constexpr unsigned kFirstUserIndex = 0x20;
constexpr unsigned kKernelHandleStep = 4;

HANDLE ShortHandle(unsigned index) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(index)); }

template <typename Exists>
std::uint64_t Probed(unsigned first, unsigned step, Exists exists) {
  std::uint64_t count = 0;
  for (unsigned index = first; index < kHandleIndices; index += step)
    if (exists(ShortHandle(index))) ++count;
  return count;
}

std::uint64_t ProbedKernelHandles() {
  return Probed(kKernelHandleStep, kKernelHandleStep, [](HANDLE h) {
    DWORD flags;
    return GetHandleInformation(h, &flags) != FALSE;
  });
}
std::uint64_t ProbedGdiObjects() {
  return Probed(0, 1, [](HANDLE h) { return GetObjectType(h) != 0; });
}
std::uint64_t ProbedMenus() {
  return Probed(kFirstUserIndex, 2, [](HANDLE h) { return IsMenu(static_cast<HMENU>(h)) != FALSE; });
}

BOOL CALLBACK CountOne(HWND, LPARAM count) {
  ++*reinterpret_cast<std::uint64_t*>(count);
  return TRUE;
}

// A window of this process with all its descendants (EnumChildWindows
// goes down every level).
BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  CountOne(window, count);
  EnumChildWindows(window, CountOne, count);
  return TRUE;
}

std::uint64_t ProcessWindows() {
  std::uint64_t count = 0;
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
  // Message-only windows are not top-level windows.
  for (HWND window = nullptr; (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr));)
    CountWindow(window, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Whether probing sees an event, a brush and a menu come and go, so that a
// count without growth means something.
bool ProbesWork() {
  const std::uint64_t handles = ProbedKernelHandles(), gdi = ProbedGdiObjects(), menus = ProbedMenus();
  HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HBRUSH brush = CreateSolidBrush(0);
  HMENU menu = CreateMenu();
  const bool seen =
      ProbedKernelHandles() == handles + 1 && ProbedGdiObjects() == gdi + 1 && ProbedMenus() == menus + 1;
  CloseHandle(event);
  DeleteObject(brush);
  DestroyMenu(menu);
  return seen;
}

bool ProbesWorkHere() {
  static const bool work = ProbesWork();
  return work;
}

// The platform's count, or when it gives none (and the probes work) the
// fallback's.
template <typename Fallback>
HeldCount Counted(std::uint64_t platform, const char* platformMethod, Fallback fallback, const char* fallbackMethod) {
  if (platform != 0 || !ProbesWorkHere()) return {platform, platformMethod};
  return {fallback(), fallbackMethod};
}

}  // namespace

HeldResources MeasureHeldResources() {
  const HANDLE self = GetCurrentProcess();
  DWORD handles = 0;
  GetProcessHandleCount(self, &handles);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  HeldResources held;
  held.handles = Counted(handles, "GetProcessHandleCount", ProbedKernelHandles, "handles probed");
  held.gdiObjects = Counted(GetGuiResources(self, GR_GDIOBJECTS), "GetGuiResources", ProbedGdiObjects,
                            "GDI handle indices probed");
  held.userObjects = Counted(GetGuiResources(self, GR_USEROBJECTS), "GetGuiResources",
                             [] { return ProcessWindows() + ProbedMenus(); }, "windows and menus");
  held.privateBytes = memory.PrivateUsage != 0 ? HeldCount{memory.PrivateUsage, "PrivateUsage"}
                                               : HeldCount{memory.PagefileUsage, "PagefileUsage"};
  return held;
}
