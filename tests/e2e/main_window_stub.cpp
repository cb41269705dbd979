#include "tests/e2e/main_window_stub.h"

#include <algorithm>

#include "tests/e2e/simulator.h"

namespace {

constexpr wchar_t kClassName[] = L"MainWindowStub";

}  // namespace

MainWindowStub::MainWindowStub(const std::wstring& title) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);  // fails harmlessly once registered
  window_ = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                            windowClass.hInstance, this);
}

MainWindowStub::~MainWindowStub() {
  if (window_) DestroyWindow(window_);
}

bool MainWindowStub::WaitFor(UINT message) {
  return WaitUntil([&] {
    return std::any_of(received_.begin(), received_.end(),
                       [message](const PostedMessage& posted) { return posted.message == message; });
  });
}

LRESULT CALLBACK MainWindowStub::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindowStub*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message >= WM_USER && message < 0xC000) self->received_.push_back({message, wParam, lParam});
  return DefWindowProcW(window, message, wParam, lParam);
}
