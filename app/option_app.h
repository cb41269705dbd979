#pragma once
// The application object: one running copy per logon session, the main
// window run modally, and the process's exit once it closes.
#include <windows.h>

#include "framework/application.h"
#include "framework/handles.h"

// Marks that an instance runs; never waited on.
inline constexpr wchar_t kSingleInstanceMutexName[] = L"KESTRAVOX_7045_Gaming_Mouse_Normal_configure";

class COptionApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  int ExitInstance() override;

 private:
  KernelHandle instanceMutex_;
};
