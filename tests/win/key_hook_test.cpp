#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "debug_output.h"
#include "macro/key_hook.h"
#include "message_pump.h"

namespace {

struct HookKey {
  WPARAM vk;
  LPARAM flags;
  bool operator==(const HookKey&) const = default;
};

void PrintTo(const HookKey& key, std::ostream* out) {
  *out << std::hex << "{vk 0x" << key.vk << ", flags 0x" << key.flags << "}";
}

// A hidden window that keeps every WM_HOOK_KEY it receives.
class KeyTarget {
 public:
  KeyTarget() {
    static const ATOM windowClass = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"KeyHookTestTarget";
      return RegisterClassW(&wc);
    }();
    hwnd_ = CreateWindowExW(0, MAKEINTATOM(windowClass), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), this);
  }
  ~KeyTarget() { DestroyWindow(hwnd_); }
  KeyTarget(const KeyTarget&) = delete;
  KeyTarget& operator=(const KeyTarget&) = delete;

  HWND hwnd() const { return hwnd_; }
  const std::vector<HookKey>& keys() const { return keys_; }

  bool WaitFor(const HookKey& key) {
    return PumpUntil([&] { return !keys_.empty() && keys_.back() == key; });
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    } else if (msg == WM_HOOK_KEY) {
      reinterpret_cast<KeyTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))->keys_.push_back({wParam, lParam});
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
  std::vector<HookKey> keys_;
};

// Another program's window: a top-level window whose edit control has the
// keyboard focus.
class EditWindow {
 public:
  EditWindow() {
    frame_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 300, 80, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 280, 30, frame_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  }
  ~EditWindow() { DestroyWindow(frame_); }
  EditWindow(const EditWindow&) = delete;
  EditWindow& operator=(const EditWindow&) = delete;

  bool Focus() {
    SetForegroundWindow(frame_);
    SetFocus(edit_);
    return PumpUntil([&] { return GetForegroundWindow() == frame_ && GetFocus() == edit_; });
  }

  std::wstring Text() const {
    wchar_t text[64] = {};
    GetWindowTextW(edit_, text, 64);
    return text;
  }

  bool WaitForText(const std::wstring& text) {
    return PumpUntil([&] { return Text() == text; });
  }

 private:
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
};

void SendKey(WORD vk, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

// Presses and releases a key, as a user would.
void Tap(WORD vk, DWORD extended = 0) {
  SendKey(vk, extended);
  SendKey(vk, extended | KEYEVENTF_KEYUP);
}

// However a test ends, no capture outlives it to swallow later keys.
struct CaptureGuard {
  ~CaptureGuard() { RemoveKeyHook(); }
};

}  // namespace

TEST(KeyHook, PostsEachPressAndReleaseWithItsFlags) {
  KeyTarget target;
  DebugOutputRecorder debugOutput;
  CaptureGuard guard;
  ASSERT_TRUE(InstallKeyHook(target.hwnd()));

  Tap('A');
  ASSERT_TRUE(target.WaitFor({0x41, 0x80}));
  Tap(VK_RCONTROL, KEYEVENTF_EXTENDEDKEY);
  ASSERT_TRUE(target.WaitFor({0xA3, 0x81}));
  const std::vector<HookKey> expected = {{0x41, 0x00}, {0x41, 0x80}, {0xA3, 0x01}, {0xA3, 0x81}};
  EXPECT_EQ(target.keys(), expected);

  const std::vector<std::wstring> lines = debugOutput.Lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1], L"vkcode=41,scancode=1e\n");
  EXPECT_EQ(lines[2], L"vkcode=41,scancode=1e\n");
  EXPECT_EQ(lines[3], L"vkcode=a3,scancode=1d\n");
  EXPECT_EQ(lines[4], L"vkcode=a3,scancode=1d\n");
}

TEST(KeyHook, KeysNeverReachAnotherWindowWhileCapturing) {
  EditWindow other;
  ASSERT_TRUE(other.Focus());
  Tap('A');
  ASSERT_TRUE(other.WaitForText(L"a")) << "typing must reach the window before the capture";

  KeyTarget target;
  {
    CaptureGuard guard;
    ASSERT_TRUE(InstallKeyHook(target.hwnd()));
    Tap('B');
    ASSERT_TRUE(target.WaitFor({0x42, 0x80}));
  }
  // Keys arrive in order: once C is typed, B would already have been.
  Tap('C');
  other.WaitForText(L"ac");
  EXPECT_EQ(other.Text(), L"ac");
}

TEST(KeyHook, RemovingTwiceOnlyTracesAFailure) {
  EditWindow other;
  ASSERT_TRUE(other.Focus());
  KeyTarget target;
  DebugOutputRecorder debugOutput;
  {
    CaptureGuard guard;
    ASSERT_TRUE(InstallKeyHook(target.hwnd()));
    RemoveKeyHook();
  }
  const std::vector<std::wstring> lines = debugOutput.Lines();
  ASSERT_EQ(lines.size(), 5u);
  ASSERT_EQ(lines[0].substr(0, 7), L"Hhook: ");
  EXPECT_NE(lines[0], L"Hhook: 0\r\n");
  EXPECT_EQ(lines[1], lines[0]);
  EXPECT_EQ(lines[2], L"UnHhook: Success \r\n");
  EXPECT_EQ(lines[3], L"Hhook: 0\r\n");
  EXPECT_EQ(lines[4], L"UnHhook: Fail \r\n");

  // Typing works again, and so does a new capture.
  Tap('A');
  ASSERT_TRUE(other.WaitForText(L"a"));
  CaptureGuard guard;
  ASSERT_TRUE(InstallKeyHook(target.hwnd()));
  Tap('B');
  ASSERT_TRUE(target.WaitFor({0x42, 0x80}));
  EXPECT_EQ(target.keys().size(), 2u);
}

TEST(KeyHook, ASecondInstallMovesTheCaptureToTheNewTarget) {
  EditWindow other;
  ASSERT_TRUE(other.Focus());
  KeyTarget first, second;
  {
    CaptureGuard guard;
    ASSERT_TRUE(InstallKeyHook(first.hwnd()));
    ASSERT_TRUE(InstallKeyHook(second.hwnd()));
    Tap('A');
    ASSERT_TRUE(second.WaitFor({0x41, 0x80}));
  }
  // One removal ends the whole capture: the first hook did not linger.
  Tap('B');
  ASSERT_TRUE(other.WaitForText(L"b"));
  EXPECT_TRUE(first.keys().empty());
  EXPECT_EQ(second.keys().size(), 2u);
}
