#include "app/option_app.h"

#include <memory>

#include "app/option_dlg.h"
#include "skin/menu_hook.h"

BOOL COptionApp::InitInstance() {
  CWinApp::InitInstance();
  // Without the hook menus keep the system's frame; the program runs on.
  InstallMenuHook();
  KernelHandle mutex(CreateMutexW(nullptr, FALSE, kSingleInstanceMutexName));
  const DWORD created = GetLastError();
  // A second copy ends without a word; a mutex that could not be made at
  // all leaves the program running unprotected.
  if (created == ERROR_ALREADY_EXISTS) return FALSE;
  instanceMutex_ = std::move(mutex);
  {
    const auto window = std::make_unique<COptionDlg>();
    SetMainWindow(window.get());
    window->DoModal();
    SetMainWindow(nullptr);
  }
  return TRUE;
}

int COptionApp::ExitInstance() {
  RemoveMenuHook();
  if (instanceMutex_) {
    // Never acquired, so this changes nothing; the handle is what counts.
    ReleaseMutex(instanceMutex_.Get());
    instanceMutex_.Reset();
  }
  return CWinApp::ExitInstance();
}
