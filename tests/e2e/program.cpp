#include "tests/e2e/program.h"

#include <filesystem>
#include <vector>

#include "link/monitor_names.h"
#include "skin/skin_files.h"
#include "tests/e2e/simulator.h"
#include "tests/win/real_input.h"

namespace {

constexpr DWORD kExitWaitMs = 20000;
// The window system's own activation (its focus event) reaches the program
// some time after the window became the foreground one, and nothing tells
// another process when: a press it meets half-way loses its button's focus
// and with it the click. A pause long enough for it to arrive.
constexpr DWORD kActivationSettleMs = 150;
const wchar_t* const kPointerKeys[] = {L"Control Panel\\Mouse", L"Control Panel\\Desktop"};

// The middle of a layout key, in the main window's client coordinates.
POINT Middle(const std::wstring& folder, const wchar_t* key, const SkinPlace& place) {
  const SkinButtonInfo info = ReadButtonInfo(folder + L"Skins\\" + place.layout, key);
  return {place.origin.x + (info.Rect.left + info.Rect.right) / 2,
          place.origin.y + (info.Rect.top + info.Rect.bottom) / 2};
}

}  // namespace

std::wstring Program::Folder() { return WinePath(PROGRAM_DIR L"/"); }

void Program::RemoveSettingsFiles() {
  std::error_code ignored;
  std::filesystem::remove(Folder() + L"config.ini", ignored);
  std::filesystem::remove_all(Folder() + L"config", ignored);
}

Program::~Program() {
  if (!process_) return;
  if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.Get(), kExitWaitMs) != WAIT_OBJECT_0) TerminateProcess(process_.Get(), 1);
}

bool Program::Start() {
  process_ = StartInJob(Quoted(folder_ + L"VornaOption.exe"), folder_);
  return static_cast<bool>(process_);
}

bool Program::WaitForWindow() {
  const bool shown = WaitUntil([&] {
    window_ = FindWindowW(nullptr, kMainWindowTitle);
    return (window_ && IsWindowVisible(window_)) || WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
  });
  if (!shown || !window_) return false;
  // Its controls are made right after its first paint, before it first
  // waits for input.
  WaitForInputIdle(process_.Get(), kExitWaitMs);
  DWORD_PTR ignored;
  return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, kExitWaitMs, &ignored) != 0;
}

bool Program::WaitForExit() {
  return WaitUntil([&] { return WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0; });
}

DWORD Program::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.Get(), &code);
  return code;
}

HWND Program::ControlAt(const wchar_t* key, const SkinPlace& place) const {
  return ControlAt(Middle(folder_, key, place));
}

HWND Program::ControlAt(POINT at) const {
  HWND page = ChildWindowFromPointEx(window_, at, CWP_SKIPINVISIBLE);
  POINT inPage = at;
  MapWindowPoints(window_, page, &inPage, 1);
  return page && page != window_ ? ChildWindowFromPointEx(page, inPage, CWP_SKIPINVISIBLE) : page;
}

void Program::Activate() const {
  SetForegroundWindow(window_);
  WaitUntil([&] { return GetForegroundWindow() == window_; });
  Sleep(kActivationSettleMs);
  DWORD_PTR answered;
  SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, kExitWaitMs, &answered);
}

HWND Program::Focus() const {
  GUITHREADINFO info{sizeof(info)};
  return GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Program::Type(WORD key) const {
  if (GetForegroundWindow() != window_) Activate();
  TapKey(key);
}

bool Program::TabTo(HWND target) const {
  // More presses than the window has stops.
  constexpr int kMostStops = 100;
  for (int press = 0; press < kMostStops && Focus() != target; ++press) {
    const HWND before = Focus();
    Type(VK_TAB);
    if (!WaitUntil([&] { return Focus() != before; })) return false;
  }
  return Focus() == target;
}

void Program::ClickButton(const wchar_t* key, const SkinPlace& place) { ClickAt(Middle(folder_, key, place)); }

void Program::ClickAt(POINT at) {
  ClientToScreen(window_, &at);
  Activate();
  SetCursorPos(at.x, at.y);
  // The move first, so the button sees the pointer arrive.
  SendMouse(MOUSEEVENTF_MOVE);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  DWORD_PTR ignored;
  SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, kExitWaitMs, &ignored);
}

bool Program::Drag(HWND window, int dx, int steps) {
  RECT start;
  GetWindowRect(window, &start);
  const POINT grip{(start.left + start.right) / 2, (start.top + start.bottom) / 2};
  Activate();
  SetCursorPos(grip.x, grip.y);
  SendMouse(MOUSEEVENTF_MOVE);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  bool followed = true;
  for (int step = 1; step <= steps && followed; ++step) {
    const int moved = dx * step / steps;
    SetCursorPos(grip.x + moved, grip.y);
    SendMouse(MOUSEEVENTF_MOVE);
    RECT now;
    followed = WaitUntil([&] { return GetWindowRect(window, &now) && now.left == start.left + moved; });
  }
  SendMouse(MOUSEEVENTF_LEFTUP);
  return followed;
}

bool Program::HasCapture() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window_, nullptr);
  return GetGUIThreadInfo(thread, &info) && info.hwndCapture == window_;
}

HWND Program::WaitForDialog() const {
  const DWORD processId = GetProcessId(process_.Get());
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND window = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); window;
         window = FindWindowExW(nullptr, window, L"#32770", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == processId && window != window_ && IsWindowVisible(window)) {
        found = window;
        return true;
      }
    }
    return false;
  });
  return found;
}

void Program::PressKey(WORD key) {
  TapKey(key);
}

PointerSettingsBackup::PointerSettingsBackup() {
  for (const wchar_t* keyName : kPointerKeys) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    for (DWORD i = 0;; ++i) {
      wchar_t name[256];
      DWORD nameLength = 256, type = 0, bytes = 0;
      if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) break;
      if (type != REG_SZ) continue;
      std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
      bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
      nameLength = 256;
      if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes) ==
          ERROR_SUCCESS)
        values_.push_back({keyName, name, type, data.c_str()});
    }
    RegCloseKey(key);
  }
}

PointerSettingsBackup::~PointerSettingsBackup() {
  for (const Value& value : values_) {
    RegSetKeyValueW(HKEY_CURRENT_USER, value.key.c_str(), value.name.c_str(), value.type, value.data.c_str(),
                    static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t)));
  }
}
