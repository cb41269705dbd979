#pragma once
// Acts on a modal dialog from inside its own loop: `step` runs once, from a
// thread timer, as soon as `ready` holds (the dialog's window exists).
#include <windows.h>

#include <functional>
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
