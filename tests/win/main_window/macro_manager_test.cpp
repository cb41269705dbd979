// The macro manager page in the main window, in process: a macro named,
// recorded (the capture's messages posted as the hook posts them), edited
// from its context menu and assigned; the recording ended by leaving.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "app/messages.h"
#include "app/option_dlg.h"
#include "framework/exe_folder.h"
#include "macro/macro_list.h"
#include "macro/macro_manager.h"
#include "message_pump.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "model/text.h"
#include "pixels.h"
#include "registry_sandbox.h"
#include "skin/menu_hook.h"
#include "store/macro_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int kButton = 6;
constexpr int kMacroPage = 6;

void RemoveFiles() {
  std::error_code ignored;
  fs::remove(fs::path(ExeFolder()) / L"config.ini", ignored);
  fs::remove_all(fs::path(ExeFolder()) / L"config", ignored);
  fs::remove(MacroFilePath(), ignored);
}

class MacroManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFiles();
    Macros.Clear();
    ASSERT_TRUE(window.Create(nullptr));
    ShowWindow(window.Hwnd(), SW_SHOW);
    Queue(WM_SELECT_BUTTON, kSelectButtonTag, kButton);
    Queue(WM_SHOW_FUNCTION_PAGE, kMacroPage, 0);
    window.Pages().ShowTabStrip(true, kMacroPage);
    page = window.Pages().PageAs<CMacroManager>(PageId::MacroManager);
    ASSERT_TRUE(page && IsWindowVisible(page->Hwnd()));
  }
  void TearDown() override {
    window.DestroyWindow();
    RemoveFiles();
  }

  void Queue(UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{window.Hwnd(), message, wParam, lParam, 0, {}};
    if (window.PreTranslateMessage(&msg) != PreTranslation::Consumed) DispatchMessageW(&msg);
  }
  void Click(CBitmapBtn& button) {
    SendMessageW(page->Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button.Hwnd()));
    PumpMessages();
  }
  // Types `text` into a list's in-place editor and presses Enter.
  void Commit(CListBoxEx& list, const wchar_t* text) {
    ASSERT_TRUE(list.EditWindow);
    SetWindowTextW(list.EditWindow, text);
    SendMessageW(list.EditWindow, WM_KEYUP, VK_RETURN, 0);
    PumpMessages();
  }
  void NewMacro(const wchar_t* name) {
    Click(page->NewButton());
    Commit(page->MacroListBox(), name);
  }
  void Keys(std::initializer_list<std::pair<WPARAM, LPARAM>> keys) {
    for (auto [vk, flags] : keys) PostMessageW(page->Hwnd(), WM_HOOK_KEY, vk, flags);
    PumpMessages();
  }
  int Lines(CListBoxEx& list) { return static_cast<int>(SendMessageW(list.Hwnd(), LB_GETCOUNT, 0, 0)); }
  // A command of the context menu on event line `line`.
  void Command(int command, int line) {
    SendMessageW(page->EventListBox().Hwnd(), LB_SETCURSEL, line, 0);
    page->RunMenuCommand(command);
    PumpMessages();
  }
  const ButtonRecord& Record(int profile = 0) { return *ButtonAt(WorkingSettings, profile, kButton); }

  RegistrySandbox registry;
  Window<COptionDlg> window;
  CMacroManager* page = nullptr;
};

// The screen around the window and the menu open on it.
void SaveScreenWithMenu(HWND window, const wchar_t* path) {
  RECT area, menu;
  GetWindowRect(window, &area);
  GetWindowRect(FindWindowW(L"#32768", nullptr), &menu);
  UnionRect(&area, &area, &menu);
  int width = 0, height = 0;
  const std::vector<COLORREF> screen = CaptureClient(GetDesktopWindow(), width, height);
  const RECT all{0, 0, width, height};
  IntersectRect(&area, &area, &all);
  std::vector<COLORREF> cut;
  for (LONG y = area.top; y < area.bottom; ++y)
    cut.insert(cut.end(), screen.begin() + y * width + area.left, screen.begin() + y * width + area.right);
  CreateDirectoryW(ARTIFACT_DIR, nullptr);
  WritePng(path, cut, area.right - area.left, area.bottom - area.top);
}

TEST_F(MacroManagerTest, AMacroNamedRecordedToFortyEventsEditedAndAssigned) {
  NewMacro(L"  Burst ");
  NewMacro(L"BURST");
  ASSERT_EQ(Lines(page->MacroListBox()), 1) << "a name taken in another case is refused";
  EXPECT_EQ(page->CurrentMacro(), 0);

  Click(page->RecordButton());
  ASSERT_TRUE(page->Recording());
  EXPECT_FALSE(IsWindowEnabled(page->MacroListBox().Hwnd()));
  // A held key's repeat is dropped; the fortieth event ends the recording.
  Keys({{'A', 0}, {'A', 0}, {'A', 0x80}});
  for (WPARAM key = 'B'; key <= 'T'; ++key) Keys({{key, 0}, {key, 0x80}});
  EXPECT_FALSE(page->Recording());
  EXPECT_EQ(Record().FunctionCode, kFnMacro);
  EXPECT_EQ(Record().EntryCount, 40);
  EXPECT_EQ(TextOf(Record().Name), u"Burst");
  EXPECT_EQ(WorkingSettings.ButtonChangedFlags[0][kButton], 1);

  // A pause put before the second event, then edited beyond its range.
  Command(1003, 1);
  ASSERT_EQ(Lines(page->EventListBox()), 41);
  Command(1004, 1);
  Commit(page->EventListBox(), L"70000");
  EXPECT_EQ(Record().Entries[0][2] | Record().Entries[0][3] << 8, 65535);
  Command(1003, 5);
  EXPECT_EQ(Record().Entries[3][2], 1);

  // The page as the user sees it, its context menu open on a line.
  ASSERT_TRUE(InstallMenuHook());
  RECT line;
  SendMessageW(page->EventListBox().Hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
  MapWindowPoints(page->EventListBox().Hwnd(), nullptr, reinterpret_cast<POINT*>(&line), 2);
  SetCursorPos(line.left + 110, line.top + 8);
  static std::function<void()> tick;
  int shownTicks = 0;
  tick = [&] {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    // The flat frame, as the system asks for it on Windows; the screen
    // shows it a few ticks later.
    if (shownTicks++ == 0) SendMessageW(menu, WM_NCPAINT, 1, 0);
    if (shownTicks < 5) return;
    tick = nullptr;
    SaveScreenWithMenu(window.Hwnd(), ARTIFACT_DIR L"/macro_manager.png");
    EndMenu();
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (tick) tick();
  });
  SetForegroundWindow(window.Hwnd());
  SendMessageW(page->EventListBox().Hwnd(), LB_SETCURSEL, 1, 0);
  SendMessageW(page->Hwnd(), WM_LIST_RBUTTON, 0, CMacroManager::kEventListId);
  KillTimer(nullptr, timer);
  RemoveMenuHook();
  EXPECT_FALSE(tick) << "the menu was shown";
  EXPECT_FALSE(page->Recording());
}

TEST_F(MacroManagerTest, LeavingThePageEndsTheRecordingForTheButtonItWasMadeFor) {
  NewMacro(L"Jump");
  Click(page->RecordButton());
  Keys({{VK_SPACE, 0}, {VK_SPACE, 0x80}});
  // Another mouse button chosen: the recording goes to the first one only.
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, kButton + 1);
  EXPECT_FALSE(page->Recording());
  EXPECT_EQ(Record().EntryCount, 2);
  EXPECT_NE(ButtonAt(WorkingSettings, 0, kButton + 1)->FunctionCode, kFnMacro);
  // Chosen in the list, the macro goes to that button too.
  Queue(WM_SHOW_FUNCTION_PAGE, kMacroPage, 0);
  const HWND list = page->MacroListBox().Hwnd();
  RECT first;
  SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.left + 5, first.top + 5));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(first.left + 5, first.top + 5));
  PumpMessages();
  EXPECT_EQ(TextOf(ButtonAt(WorkingSettings, 0, kButton + 1)->Name), u"Jump");

  // Another profile: the recording stays in the macro, no button takes it.
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, kButton);
  ASSERT_EQ(page->CurrentMacro(), 0) << "the button's macro is selected";
  Click(page->RecordButton());
  Keys({{VK_RETURN, 0x01}});
  window.Profiles().Next();
  EXPECT_FALSE(page->Recording());
  EXPECT_EQ(Macros.ElementAt(0)->count, 1);
  EXPECT_EQ(Record(0).EntryCount, 2);
  EXPECT_NE(Record(1).FunctionCode, kFnMacro);
}

}  // namespace
