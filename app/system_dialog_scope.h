#pragma once
// What the system's own dialogs (the file dialogs) need while they run: OLE
// and the common controls, started if they were not yet, and common
// controls 6 through an activation context of their own, so they show in
// the look of the running
// Windows version. The process's default
// context keeps the classic controls, so each of the thirty skinned
// buttons, owner-drawn system buttons, stays as light as a classic one.
#include <windows.h>

class SystemDialogScope {
 public:
  SystemDialogScope();
  SystemDialogScope(const SystemDialogScope&) = delete;
  SystemDialogScope& operator=(const SystemDialogScope&) = delete;
  ~SystemDialogScope();

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};
