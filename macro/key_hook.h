#pragma once
// System-wide keyboard capture: while installed, every key press and release
// on the desktop is posted to the target as WM_HOOK_KEY and reaches no other
// program. One capture at a time, on the user-interface thread, which must
// keep pumping messages (the hook runs inside its message loop).
#include <windows.h>

#include "key_hook_message.h"

// Starts capturing for target; false when the system refused the hook. A
// capture already running is ended first, so the target changes.
bool InstallKeyHook(HWND target);

// Ends the capture; without one it only traces the failure.
void RemoveKeyHook();

// From now on every InstallKeyHook fails as a refusing system's would
// (`refuse` false ends that): the only way to meet that road where the
// system grants every hook, as in the tests.
void RefuseKeyHooks(bool refuse);
