// The macro manager page in the main window, in process: a macro recorded
// to its fortieth event (the capture's messages posted as the hook posts
// them), edited from its context menu and assigned; a recording ended by
// choosing another button or profile.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>

#include "app/messages.h"
#include "app/option_dlg.h"
#include "framework/exe_folder.h"
#include "macro/key_hook.h"
#include "macro/macro_buttons.h"
#include "macro/macro_list.h"
#include "macro/macro_manager.h"
#include "main_window/modal_driver.h"
#include "message_pump.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "model/text.h"
#include "pixels.h"
#include "registry_sandbox.h"
#include "real_input.h"
#include "skin/menu_hook.h"
#include "skin_controls.h"
#include "store/macro_file.h"

namespace {

constexpr int kButton = 6;
constexpr int kMacroPage = 6;
// The page's layout keys.
enum MacroKey { kNewKey = 1, kRecordKey = 5, kMacroListKey = 7, kEventListKey };

void RemoveFiles() {
  std::error_code ignored;
  std::filesystem::remove(std::filesystem::path(ExeFolder()) / L"config.ini", ignored);
  std::filesystem::remove_all(std::filesystem::path(ExeFolder()) / L"config", ignored);
  std::filesystem::remove(MacroFilePath(), ignored);
}

class MacroManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFiles();
    Macros.Clear();
    ASSERT_TRUE(window.Create(nullptr));
    Queue(WM_SELECT_BUTTON, kSelectButtonTag, kButton);
    Queue(WM_SHOW_FUNCTION_PAGE, kMacroPage, 0);
    window.Pages().ShowTabStrip(true, FunctionPage::MacroManager);
    page = window.Pages().PageAs<CMacroManager>(PageId::MacroManager);
    ASSERT_TRUE(page);
    Click(Button(kNewKey));
    Commit(List(kMacroListKey), L" Burst ");
    Click(Button(kRecordKey));
  }
  void TearDown() override {
    window.DestroyWindow();
    RemoveFiles();
  }

  void Queue(UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{window.Hwnd(), message, wParam, lParam, 0, {}};
    if (window.PreTranslateMessage(&msg) != PreTranslation::Consumed) DispatchMessageW(&msg);
  }
  CBitmapBtn& Button(int key) { return ControlAt<CBitmapBtn>(page->Hwnd(), L"macro_manager.ini", key); }
  CListBoxEx& List(int key) { return ControlAt<CListBoxEx>(page->Hwnd(), L"macro_manager.ini", key); }
  void Click(CBitmapBtn& button) {
    SendMessageW(page->Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button.Hwnd()));
    PumpMessages();
  }
  // Typed into a list's in-place editor, then Enter.
  void Commit(CListBoxEx& list, const wchar_t* text) {
    ASSERT_TRUE(list.EditWindow);
    SetWindowTextW(list.EditWindow, text);
    SendMessageW(list.EditWindow, WM_KEYUP, VK_RETURN, 0);
    PumpMessages();
  }
  void Key(WPARAM vk, LPARAM flags) {
    PostMessageW(page->Hwnd(), WM_HOOK_KEY, vk, flags);
    PumpMessages();
  }
  void Command(int command, int line) {
    SendMessageW(List(kEventListKey).Hwnd(), LB_SETCURSEL, line, 0);
    page->RunMenuCommand(command);
    PumpMessages();
  }
  const ButtonRecord& Record(int profile = 0, int button = kButton) {
    return *ButtonAt(WorkingSettings, profile, button);
  }

  RegistrySandbox registry;
  Window<COptionDlg> window;
  CMacroManager* page = nullptr;
};

TEST_F(MacroManagerTest, FortyEventsEndTheRecordingThenItsPausesAreEditedFromTheMenu) {
  Key('A', 0);
  for (WPARAM key = 'A'; key < 'T'; ++key) {
    Key(key, 0x80);
    Key(key + 1, 0);
  }
  EXPECT_TRUE(page->Recording());
  Key('T', 0x80);
  EXPECT_FALSE(page->Recording());
  EXPECT_EQ(Record().FunctionCode, kFnMacro);
  EXPECT_EQ(Record().EntryCount, 40);
  EXPECT_EQ(TextOf(Record().Name), u"Burst");

  // Pauses put in before events 1 and 3, the first edited beyond its range.
  Command(1003, 1);
  Command(1004, 1);
  Commit(List(kEventListKey), L"70000");
  Command(1003, 5);
  EXPECT_EQ(Record().Entries[0][2] | Record().Entries[0][3] << 8, 65535);
  EXPECT_EQ(Record().Entries[3][2], 1);

  // The page as the user sees it, its context menu open on the pause.
  ASSERT_TRUE(InstallMenuHook());
  RECT line;
  SendMessageW(List(kEventListKey).Hwnd(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
  MapWindowPoints(List(kEventListKey).Hwnd(), nullptr, reinterpret_cast<POINT*>(&line), 2);
  SetCursorPos(line.left + 110, line.top + 8);
  static std::function<void()> tick;
  int shownTicks = 0;
  tick = [&] {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    // The flat frame, as the system asks for it on Windows; the screen shows it a few ticks later.
    if (shownTicks++ == 0) SendMessageW(menu, WM_NCPAINT, 1, 0);
    if (shownTicks < 5) return;
    tick = nullptr;
    int width = 0, height = 0;
    const std::vector<COLORREF> screen = CaptureClient(GetDesktopWindow(), width, height);
    // The main window and the menu, cut out of the screen.
    RECT area, menuArea;
    const RECT screenArea{0, 0, width, height};
    GetWindowRect(window.Hwnd(), &area);
    GetWindowRect(menu, &menuArea);
    UnionRect(&area, &area, &menuArea);
    IntersectRect(&area, &area, &screenArea);
    std::vector<COLORREF> shown;
    for (int y = area.top; y < area.bottom; ++y)
      shown.insert(shown.end(), screen.begin() + y * width + area.left, screen.begin() + y * width + area.right);
    CreateDirectoryW(ARTIFACT_DIR, nullptr);
    WritePng(ARTIFACT_DIR L"/macro_manager.png", shown, area.right - area.left, area.bottom - area.top);
    EndMenu();
  };
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (tick) tick();
  });
  // Opened from the keyboard, on the marked line.
  SetForegroundWindow(window.Hwnd());
  SendMessageW(List(kEventListKey).Hwnd(), LB_SETCURSEL, 1, 0);
  SetFocus(List(kEventListKey).Hwnd());
  TapKeysHeld(VK_SHIFT, VK_F10);
  for (int wait = 0; wait < 100 && tick; ++wait) {
    PumpMessages();
    Sleep(20);
  }
  KillTimer(nullptr, timer);
  RemoveMenuHook();
  EXPECT_FALSE(tick) << "the menu was shown";

  // Delete takes the marked event out.
  const int events = Record().EntryCount;
  SendMessageW(List(kEventListKey).Hwnd(), LB_SETCURSEL, 0, 0);
  SendMessageW(List(kEventListKey).Hwnd(), WM_KEYDOWN, VK_DELETE, 1);
  PumpMessages();
  EXPECT_EQ(Record().EntryCount, events - 1);
}

TEST_F(MacroManagerTest, ARecordingEndsForTheButtonAndProfileItWasMadeFor) {
  Key(VK_SPACE, 0);
  // A refresh of the same profile (a notification of the mouse's own
  // buttons, an apply) leaves the recording and its lines be.
  Queue(WM_PROFILE_ACTION, 0, kProfileActionRefreshAll);
  EXPECT_TRUE(page->Recording());
  Key(VK_SPACE, 0x80);
  // Another mouse button chosen: the recording goes to the first one only,
  // and the macro chosen in the list goes to the other.
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, kButton + 1);
  EXPECT_FALSE(page->Recording());
  EXPECT_EQ(Record().EntryCount, 2);
  EXPECT_NE(Record(0, kButton + 1).FunctionCode, kFnMacro);
  Queue(WM_SHOW_FUNCTION_PAGE, kMacroPage, 0);
  RECT first;
  SendMessageW(List(kMacroListKey).Hwnd(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP})
    SendMessageW(List(kMacroListKey).Hwnd(), message, 0, MAKELPARAM(first.left + 5, first.top + 5));
  PumpMessages();
  EXPECT_EQ(TextOf(Record(0, kButton + 1).Name), u"Burst");

  // Another profile: the recording stays in the macro, no button takes it.
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, kButton);
  Click(Button(kRecordKey));
  Key(VK_RETURN, 0x01);
  window.Profiles().Next();
  EXPECT_FALSE(page->Recording());
  EXPECT_EQ(Macros.ElementAt(0)->count, 1);
  EXPECT_EQ(Record(0).EntryCount, 2);
  EXPECT_NE(Record(1).FunctionCode, kFnMacro);

  // OK while recording: the recording is in what is applied.
  window.Profiles().Previous();
  Click(Button(kRecordKey));
  Key('Q', 0);
  Key('Q', 0x80);
  Key('W', 0);
  window.Ok();
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(ButtonAt(AppliedSettings, 0, kButton)->EntryCount, 3);
}

TEST_F(MacroManagerTest, ARecordingTheSystemRefusesKeepsTheMacroAndSaysSo) {
  Key('A', 0);
  Key('A', 0x80);
  Click(Button(kRecordKey));
  RefuseKeyHooks(true);
  {
    MessageBoxAnswer box(window.Hwnd());
    Click(Button(kRecordKey));
    EXPECT_FALSE(box.told.empty());
  }
  RefuseKeyHooks(false);
  EXPECT_FALSE(page->Recording());
  EXPECT_EQ(SendMessageW(List(kEventListKey).Hwnd(), LB_GETCOUNT, 0, 0), 2);
  // The next edit works on the macro as it was, not on an emptied one.
  Command(kFirstMouseCommand, 1);
  EXPECT_EQ(Record().EntryCount, 3);
  EXPECT_EQ(Macros.ElementAt(0)->count, 3);
}

TEST_F(MacroManagerTest, AButtonsMacroIsItsWholeNameOrTheStartOfANameTooLongForTheButton) {
  Click(Button(kRecordKey));
  Macros.Append(NewMacro(u"Burst of twenty keys"));
  page->FillMacroList();
  const struct { std::u16string_view name; int line; } rows[] = {
      {u"Burs", -1}, {u" BURST", 0}, {u"Burst of twenty ke", 1}, {u"Burst of twenty", -1}};
  for (const auto& row : rows) {
    page->SelectMacroByName(row.name);
    EXPECT_EQ(page->CurrentMacro(), row.line) << "row " << &row - rows;
  }
}

}  // namespace
