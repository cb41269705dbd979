#include "key_hook.h"

#include <cstdarg>
#include <cwchar>
#include <iterator>

namespace {

// One capture per process; touched only on the thread that installed it.
HHOOK hook = nullptr;
HWND target = nullptr;
bool refused = false;

void Trace(const wchar_t* format, ...) {
  wchar_t line[MAX_PATH];
  va_list args;
  va_start(args, format);
  std::vswprintf(line, std::size(line), format, args);
  va_end(args);
  OutputDebugStringW(line);
}

unsigned HandleValue(HHOOK handle) {
  return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(handle));
}

LRESULT CALLBACK KeyHookProc(int code, WPARAM, LPARAM lParam) {
  if (code >= 0) {
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    Trace(L"vkcode=%x,scancode=%x\n", key.vkCode, key.scanCode);
    PostMessageW(target, WM_HOOK_KEY, key.vkCode, key.flags & (kHookKeyExtended | kHookKeyReleased));
  }
  // Not passed on: the key is kept from every other program.
  return 1;
}

}  // namespace

bool InstallKeyHook(HWND window) {
  // A hook left behind here could never be removed and would go on
  // swallowing every key on the desktop.
  if (hook) RemoveKeyHook();
  target = window;
  hook = refused ? nullptr : SetWindowsHookExW(WH_KEYBOARD_LL, KeyHookProc, GetModuleHandleW(nullptr), 0);
  Trace(L"Hhook: %x\r\n", HandleValue(hook));
  return hook != nullptr;
}

void RemoveKeyHook() {
  Trace(L"Hhook: %x\r\n", HandleValue(hook));
  const bool removed = hook && UnhookWindowsHookEx(hook);
  // Forgotten either way: a stale handle could one day name another hook.
  hook = nullptr;
  target = nullptr;
  OutputDebugStringW(removed ? L"UnHhook: Success \r\n" : L"UnHhook: Fail \r\n");
}

void RefuseKeyHooks(bool refuse) { refused = refuse; }
