#pragma once
// A hidden top-level window with the main window's title, so the monitor
// simulator has someone to post its notifications to.
#include <windows.h>

#include <string>
#include <vector>

struct PostedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class MainWindowStub {
 public:
  explicit MainWindowStub(const std::wstring& title);
  ~MainWindowStub();
  MainWindowStub(const MainWindowStub&) = delete;
  MainWindowStub& operator=(const MainWindowStub&) = delete;

  bool exists() const { return window_ != nullptr; }
  // Every message in the private range received so far, in order.
  const std::vector<PostedMessage>& received() const { return received_; }
  // Pumps messages until `message` has arrived (true) or the time-out.
  bool WaitFor(UINT message);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::vector<PostedMessage> received_;
};
