#pragma once
// Acts on a modal dialog from inside its own loop: `step` runs once, from a
// thread timer, as soon as `ready` holds (the dialog's window exists).
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

class ModalDriver {
 public:
  ModalDriver(std::function<bool()> ready, std::function<void()> step) {
    ready_ = std::move(ready);
    step_ = std::move(step);
    timer_ = SetTimer(nullptr, 0, 10, &ModalDriver::Tick);
  }
  ~ModalDriver() {
    KillTimer(nullptr, timer_);
    step_ = nullptr;
  }
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!step_ || !ready_()) return;
    auto step = std::exchange(step_, nullptr);
    step();
  }

  static inline std::function<bool()> ready_;
  static inline std::function<void()> step_;
  UINT_PTR timer_;
};

// The identifier of a message box's text.
inline constexpr int kMessageBoxText = 0xFFFF;

// A dialog box the window owns, such as a message box.
inline HWND OwnedDialog(HWND owner) {
  struct Search {
    HWND owner, found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND candidate, LPARAM param) {
        auto& s = *reinterpret_cast<Search*>(param);
        wchar_t className[16] = {};
        GetClassNameW(candidate, className, 16);
        if (GetWindow(candidate, GW_OWNER) != s.owner || std::wstring_view(className) != L"#32770") return TRUE;
        s.found = candidate;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Answers the message box `owner` shows next with OK, keeping its text.
class MessageBoxAnswer {
 public:
  explicit MessageBoxAnswer(HWND owner)
      : driver_([owner] { return OwnedDialog(owner) != nullptr; },
                [this, owner] {
                  const HWND box = OwnedDialog(owner);
                  wchar_t text[1024] = {};
                  GetDlgItemTextW(box, kMessageBoxText, text, 1024);
                  told = text;
                  PostMessageW(box, WM_COMMAND, IDOK, 0);
                }) {}
  std::wstring told;

 private:
  ModalDriver driver_;
};
