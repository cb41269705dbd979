#pragma once
// The built program as a separate process of a test, run from a folder of
// its own (with its skin and language library), driven with real input.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/handles.h"

// A window of the program's skin: its layout file and where its client area
// lies in the main window's.
struct SkinPlace {
  const wchar_t* layout;
  POINT origin;
};
inline constexpr SkinPlace kFrame{L"skin_main.ini", {0, 0}};
inline constexpr SkinPlace kLayoutPage{L"skin_mouse.ini", {165, 63}};
inline constexpr SkinPlace kFourTabStrip{L"skin_set_tab.ini", {21, 379}};
inline constexpr SkinPlace kPointerPage{L"skin_system_page.ini", {209, 372}};
inline constexpr SkinPlace kSettingsPage{L"Setting.ini", {209, 372}};
inline constexpr SkinPlace kSensitivityPage{L"skin_speed_page.ini", {209, 372}};

class Program {
 public:
  // The folder the tests' program runs from, with a trailing backslash.
  static std::wstring Folder();
  // Removes config.ini and config\ beside the program.
  static void RemoveSettingsFiles();

  // The program in `folder` (with a trailing backslash), such as an
  // installed copy.
  explicit Program(std::wstring folder = Folder()) : folder_(std::move(folder)) {}
  // Ends a program still running: closes its window, or terminates it.
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts it; false when the process could not be made.
  bool Start();
  // Waits for its main window to be shown and painted.
  bool WaitForWindow();
  HWND Window() const { return window_; }
  HANDLE Process() const { return process_.Get(); }
  bool WaitForExit();
  DWORD ExitCode() const;

  // A real click in the middle of the button of layout key `key`.
  void ClickButton(const wchar_t* key, const SkinPlace& place = kFrame);
  // A real drag of `window` (a slider's thumb) by `dx` pixels, in steps,
  // each waited for until the window has followed the pointer.
  bool Drag(HWND window, int dx, int steps);
  // A real click at a point of the main window's client area.
  void ClickAt(POINT at);
  // The control in the middle of layout key `key`, hidden ones left out.
  HWND ControlAt(const wchar_t* key, const SkinPlace& place) const;
  // The page's control at a point of the main window's client area.
  HWND ControlAt(POINT at) const;
  // The thread of its window holds the mouse capture.
  bool HasCapture() const;
  // Waits for a dialog (a "#32770" window other than the main window) of
  // the program to be shown; null when none comes.
  HWND WaitForDialog() const;
  // Real key presses: Enter or Escape to the focused window of the program.
  static void PressKey(WORD key);
  // The window of the program that has the keyboard focus.
  HWND Focus() const;
  // A real key press with the program in front.
  void Type(WORD key) const;
  // Real Tab presses until `target` has the focus; false when a round of
  // the window's stops passes without it.
  bool TabTo(HWND target) const;

 private:
  // Makes its window the foreground one and lets the activation settle.
  void Activate() const;

  std::wstring folder_;
  KernelHandle process_;
  HWND window_ = nullptr;
};

// Values of the current user's pointer settings, put back when it ends: the
// program's apply writes them.
class PointerSettingsBackup {
 public:
  PointerSettingsBackup();
  ~PointerSettingsBackup();
  PointerSettingsBackup(const PointerSettingsBackup&) = delete;
  PointerSettingsBackup& operator=(const PointerSettingsBackup&) = delete;

 private:
  struct Value {
    std::wstring key, name;
    DWORD type;
    std::wstring data;
  };
  std::vector<Value> values_;
};
