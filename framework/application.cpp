#include "framework/application.h"

#include <commctrl.h>
#include <objbase.h>

#include "framework/dialog.h"

namespace {
CWinApp* current = nullptr;
}

CWinApp::CWinApp() : instance_(GetModuleHandleW(nullptr)) {
  current = this;
}

CWinApp::~CWinApp() {
  if (current == this) current = nullptr;
}

CWinApp* CWinApp::Current() {
  return current;
}

BOOL CWinApp::InitInstance() { return StartSystemParts(); }

bool CWinApp::StartSystemParts() {
  // Before the user's first command: loaded in the middle of the user's
  // work, they change the system's controls and dialogs under way, which
  // under Wine cost clicks.
  EnsureCommonControls();
  if (!oleStarted_) oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
  return oleStarted_;
}

int CWinApp::ExitInstance() {
  if (oleStarted_) OleUninitialize();
  oleStarted_ = false;
  return 0;
}

void CWinApp::EnsureCommonControls() {
  // Once per process, whoever asks first.
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)initialised;
}

int CWinApp::Run() {
  if (!InitInstance()) {
    ExitInstance();
    return 0;
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    CWnd* main = mainWindow_;
    if (main && main->Hwnd() && PreTranslateChain(msg, main->Hwnd()) == PreTranslation::Consumed) continue;
    TranslateAndDispatch(msg);
  }
  return ExitInstance();
}
