#include "framework/application.h"

#include <commctrl.h>
#include <objbase.h>

#include <utility>

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
  // Before the system's controls and dialogs they serve: loaded while
  // those exist, they change them under way, which under Wine costs clicks.
  if (!std::exchange(systemPartsTried_, true)) {
    EnsureCommonControls();
    oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
  }
  return oleStarted_;
}

void CWinApp::EnsureSystemParts() {
  if (current) current->StartSystemParts();
}

int CWinApp::ExitInstance() {
  if (oleStarted_) OleUninitialize();
  oleStarted_ = false;
  systemPartsTried_ = false;
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
