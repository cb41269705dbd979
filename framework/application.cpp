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

BOOL CWinApp::InitInstance() {
  // Tooltips and the other common controls, and OLE for picture decoding.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
  return oleStarted_;
}

int CWinApp::ExitInstance() {
  if (oleStarted_) OleUninitialize();
  oleStarted_ = false;
  return 0;
}

int CWinApp::Run() {
  if (!InitInstance()) {
    ExitInstance();
    return 0;
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    CWnd* main = mainWindow_;
    if (main && main->Hwnd() && PreTranslateChain(msg, main->Hwnd())) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return ExitInstance();
}
