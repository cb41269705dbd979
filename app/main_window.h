#pragma once
// What the main window's parts (its frame, the profile commands and the
// assignment dispatch) ask of the main window. They hold this, not the
// window's class: each part says what it needs and can be read on its own.
#include <windows.h>

class MainFrame;
class ProfileCommands;

class MainWindow {
 public:
  virtual HWND Window() const = 0;
  virtual MainFrame& Frame() = 0;
  virtual ProfileCommands& Profiles() = 0;
  // Every control shown again from WorkingSettings.
  virtual void RefreshAll() = 0;
  virtual void SelectLanguage(int index) = 0;
  // Every caption and text fetched again from the language library.
  virtual void ReloadCaptions() = 0;
  // An apply of `kind`; a save that could not write its files is told.
  // True when every file was written.
  virtual bool ApplyAndTell(WPARAM kind) = 0;
  // The frame's window commands.
  virtual void Minimise() = 0;
  virtual void EndProgram() = 0;
  virtual void Ok() = 0;
  virtual void Apply() = 0;
  virtual void ShowSettings() = 0;

 protected:
  ~MainWindow() = default;
};
