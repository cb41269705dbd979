#include "app/option_app.h"

#include <memory>
#include <string>

#include "app/option_dlg.h"
#include "skin/menu_hook.h"
#include "store/file_replacement.h"
#include "store/macro_file.h"
#include "store/profile_store.h"

namespace {

// Housekeeping waits until the window is live and the user can act.
constexpr UINT kLeftoversAfterMs = 100;

void CALLBACK RemoveLeftovers(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  // Only the copy that runs gets here: new files left beside the settings
  // are those of saves a crash cut short. A save of this copy's own is
  // whole between two messages (saves run on this thread), so none of its
  // is taken.
  for (const std::wstring& file : {ConfigIniPath(), ProfileFilePath(0), MacroFilePath()}) RemoveLeftoverNewFiles(file);
}

// A timer message comes only when nothing else, painting included, waits.
void CALLBACK AfterFirstPaint(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  // Without the hook menus keep the system's frame; the program runs on.
  InstallMenuHook();
  SetTimer(nullptr, 0, kLeftoversAfterMs, &RemoveLeftovers);
}

}  // namespace

BOOL COptionApp::InitInstance() {
  // The system parts wait until a page or dialog needs them (see
  // CWinApp::EnsureSystemParts): the first paint does not wait for them.
  // The menu hook waits until the main window has painted and made its
  // controls: no menu can open before, and while a thread has a message
  // hook every message sent on it is one more trip to the window server,
  // which would slow the thousands of the window's creation and first
  // paint. The leftovers of a crash wait until the window is live.
  SetTimer(nullptr, 0, 0, &AfterFirstPaint);
  KernelHandle mutex(CreateMutexW(nullptr, FALSE, kSingleInstanceMutexName));
  const DWORD created = GetLastError();
  // A second copy ends without a word; a mutex that could not be made at
  // all leaves the program running unprotected.
  if (created == ERROR_ALREADY_EXISTS) return FALSE;
  instanceMutex_ = std::move(mutex);
  COptionDlg::DecodePicturesAhead();
  const auto window = std::make_unique<Window<COptionDlg>>(MonitorNames::Standard(), ControlsMade::AfterFirstPaint);
  SetMainWindow(window.get());
  window->DoModal();
  SetMainWindow(nullptr);
  // Without a window no quit message will come: the program ends here.
  return !window->SkinUnusable();
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
