#pragma once
// The application object: one per process. Run() calls InitInstance, then
// (when it succeeded) the message loop until the quit message, and returns
// ExitInstance's exit code.
#include <windows.h>

class CWnd;

class CWinApp {
 public:
  CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  // The process's application object (null before one is built).
  static CWinApp* Current();

  // Starts the system parts; true when OLE started.
  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // The common controls and OLE (for the system's file dialogs), once;
  // true when OLE started. InitInstance starts them; an application that
  // leaves them out for a quicker first paint has them started by
  // EnsureSystemParts before the first window with system controls or the
  // first system dialog.
  bool StartSystemParts();
  static void EnsureSystemParts();
  // Loads and registers the common controls (StartSystemParts does; a
  // window made without the application calls it before making one).
  static void EnsureCommonControls();
  int Run();

  HINSTANCE Instance() const { return instance_; }
  CWnd* MainWindow() const { return mainWindow_; }
  void SetMainWindow(CWnd* window) { mainWindow_ = window; }

 private:
  HINSTANCE instance_;
  bool systemPartsTried_ = false;
  bool oleStarted_ = false;
  CWnd* mainWindow_ = nullptr;
};
