// The main window's dispatch of its pages' messages, in process: each
// message and action value, the key filter, the layout page's rule, the
// two tab strips, and the function pages' choices as the dispatch takes
// them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "app/language.h"
#include "app/messages.h"
#include "app/option_dlg.h"
#include "debug_output.h"
#include "framework/exe_folder.h"
#include "lang/string_ids.h"
#include "message_pump.h"
#include "model/factory.h"
#include "model/function_codes.h"
#include "model/settings.h"
#include "model/text.h"
#include "macro/macro_buttons.h"
#include "macro/macro_list.h"
#include "macro/macro_manager.h"
#include "main_window/frame_keys.h"
#include "pages/assign/dlg_key_command.h"
#include "pages/assign/dlg_key_func.h"
#include "pages/assign/dlg_layout.h"
#include "pages/assign/dlg_mouse_func.h"
#include "pages/assign/function_tab_strip.h"
#include "pages/perf/dlg_setting.h"
#include "pages/perf/sens_ex_dlg.h"
#include "pages/perf/system_ex_dlg.h"
#include "registry_sandbox.h"

namespace {

namespace fs = std::filesystem;

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFiles();
    ASSERT_TRUE(window.Create(nullptr));
    PumpMessages();
  }
  void TearDown() override {
    window.DestroyWindow();
    RemoveFiles();
  }
  static void RemoveFiles() {
    std::error_code ignored;
    fs::remove(fs::path(ExeFolder()) / L"config.ini", ignored);
    fs::remove_all(fs::path(ExeFolder()) / L"config", ignored);
  }

  // A message as the main window's loop meets it.
  PreTranslation Queue(UINT message, WPARAM wParam, LPARAM lParam, HWND target = nullptr) {
    MSG msg{target ? target : window.Hwnd(), message, wParam, lParam, 0, {}};
    return window.PreTranslateMessage(&msg);
  }
  CFunctionTabStrip& Strip(PageId id) { return *window.Pages().PageAs<CFunctionTabStrip>(id); }
  CBitmapBtn& Tab(PageId id, int tab) {
    const wchar_t* layout = id == PageId::FourTabStrip ? L"skin_set_tab.ini" : L"skin_set_button_tab.ini";
    return ControlAt<CBitmapBtn>(Strip(id).Hwnd(), layout, tab + 1);
  }
  CDlgLayout& Layout() { return *window.Pages().PageAs<CDlgLayout>(PageId::Layout); }
  CBitmapBtn& HotButton(int button) {
    return ControlAt<CBitmapBtn>(Layout().Hwnd(), L"skin_mouse.ini", ButtonSkinKey(button));
  }
  bool Shown(PageId id) {
    const CSkinnedPage* page = window.Pages().Existing(id);
    return page && IsWindowVisible(page->Hwnd());
  }
  int CheckedTab(PageId id) {
    for (int tab = 0; tab < Strip(id).TabCount(); ++tab)
      if (Tab(id, tab).Checked) return tab;
    return -1;
  }
  // The assignment a page posted, handed to the dispatch; false when none.
  bool Deliver(WPARAM action) {
    MSG posted;
    if (!PeekMessageW(&posted, window.Hwnd(), WM_ASSIGN_FUNCTION, WM_ASSIGN_FUNCTION, PM_REMOVE)) return false;
    EXPECT_EQ(posted.wParam, action);
    Queue(posted.message, posted.wParam, posted.lParam);
    return true;
  }
  static void Click(CBitmapBtn& button) {
    SendMessageW(GetParent(button.Hwnd()), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button.Hwnd()));
  }
  static ButtonRecord& Record(int button) { return ActiveProfile(WorkingSettings)->MacroKeyInfo[button]; }
  static LRESULT Lines(CListBoxEx& list, UINT message) { return SendMessageW(list.Hwnd(), message, 0, 0); }
  // A function page's list of `group`: the lists lie in columns of two.
  static CListBoxEx& List(const CFunctionListPage& page, int group) {
    return ControlAt<CListBoxEx>(page.Hwnd(), {87 + 182 * (group / 2), 83 + 142 * (group % 2)});
  }

  RegistrySandbox registry;
  Window<COptionDlg> window;
};

TEST_F(DispatchTest, ValuesWithoutAnActionChangeNothing) {
  constexpr auto kBeyond32Bits = WPARAM{1} << 32;
  DebugOutputRecorder traces;
  const auto before = std::make_unique<SettingsRecord>(WorkingSettings);
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } rows[] = {
      {WM_ASSIGN_FUNCTION, 1, 0},      {WM_ASSIGN_FUNCTION, 6, 0},        {WM_ASSIGN_FUNCTION, kAssignRestore, 2},
      {WM_PROFILE_ACTION, 0, 2},       {WM_SELECT_BUTTON, 39999, 3},      {WM_SELECT_BUTTON, kSelectButtonTag, kSelectButtonTrace},
      {WM_SHOW_FUNCTION_PAGE, 12, 0},  {WM_SHOW_FUNCTION_PAGE, WPARAM(-1), 0},
      // Read whole: none of these is a small number cut to 32 bits.
      {WM_SHOW_FUNCTION_PAGE, kBeyond32Bits + 4, 0},   {WM_ASSIGN_FUNCTION, kBeyond32Bits + 3, 0},
      {WM_ASSIGN_FUNCTION, kAssignRestore, kBeyond32Bits},  {WM_PROFILE_ACTION, 0, kBeyond32Bits + 1},
      {WM_SELECT_BUTTON, kSelectButtonTag, kBeyond32Bits + 3},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Queue(row.message, row.wParam, row.lParam), PreTranslation::Consumed) << row.message;
    EXPECT_EQ(std::memcmp(&WorkingSettings, before.get(), sizeof(SettingsRecord)), 0) << row.message;
    EXPECT_EQ(window.Pages().SelectedButton(), -1) << row.message;
    EXPECT_TRUE(Shown(PageId::Start)) << "a page number without a page shows the start page";
  }
  EXPECT_EQ(traces.Lines(), (std::vector<std::wstring>{L"stander key message \n", L"Macro key message \n"}));
  EXPECT_FALSE(fs::exists(fs::path(ExeFolder()) / L"config.ini")) << "nothing was applied";
}

TEST_F(DispatchTest, EnterSpaceAndEscapeNeverReachTheDialogsKeyHandling) {
  const HWND targets[] = {window.Hwnd(), HotButton(3).Hwnd()};
  for (HWND target : targets) {
    for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_SPACE}) {
      MSG msg{target, WM_KEYDOWN, key, 1, 0, {}};
      EXPECT_EQ(PreTranslateChain(msg, window.Hwnd()), PreTranslation::DispatchOnly) << key;
    }
  }
  // A tab strip and the function pages keep them from the dialog's
  // handling but not from their controls, a list in its scroll frame too.
  PageHost& pages = window.Pages();
  const auto button = [&](PageId id, const wchar_t* layout, int key) {
    return ControlAt<CBitmapBtn>(pages.Page(id)->Hwnd(), layout, key).Hwnd();
  };
  const HWND controls[] = {Tab(PageId::FourTabStrip, 1).Hwnd(),
                           button(PageId::ShortcutCapture, L"KeyCom.ini", 7),
                           List(*pages.PageAs<CDlgMouseFunc>(PageId::MouseFunction), 0).Hwnd(),
                           button(PageId::Sensitivity, L"skin_speed_page.ini", 2),
                           button(PageId::Pointer, L"skin_system_page.ini", 2),
                           button(PageId::Settings, L"Setting.ini", 2)};
  for (HWND control : controls) {
    MSG onControl{control, WM_KEYUP, VK_SPACE, 1, 0, {}};
    EXPECT_EQ(PreTranslateChain(onControl, window.Hwnd()), PreTranslation::DispatchOnly);
  }
  MSG other{window.Hwnd(), WM_KEYDOWN, 'A', 1, 0, {}};
  EXPECT_EQ(PreTranslateChain(other, window.Hwnd()), PreTranslation::DispatchOnly);
  MSG mouse{window.Hwnd(), WM_MOUSEMOVE, 0, 0, 0, {}};
  EXPECT_EQ(PreTranslateChain(mouse, window.Hwnd()), PreTranslation::Continue);
}

TEST_F(DispatchTest, SelectingAButtonOpensTheTabOfItsFunction) {
  ProfileRecord& active = *ActiveProfile(WorkingSettings);
  active.MacroKeyInfo[2].FunctionCode = kFnMacro;
  // The only button with the primary click is not offered.
  SendMessageW(Layout().Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(HotButton(0).Hwnd()));
  MSG posted;
  EXPECT_FALSE(PeekMessageW(&posted, window.Hwnd(), WM_SELECT_BUTTON, WM_SELECT_BUTTON, PM_NOREMOVE));
  SendMessageW(Layout().Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(HotButton(2).Hwnd()));
  ASSERT_TRUE(PeekMessageW(&posted, window.Hwnd(), WM_SELECT_BUTTON, WM_SELECT_BUTTON, PM_REMOVE));
  EXPECT_EQ(posted.lParam, 2);
  EXPECT_EQ(Queue(posted.message, posted.wParam, posted.lParam), PreTranslation::Consumed);
  EXPECT_EQ(window.Pages().SelectedButton(), 2);
  EXPECT_TRUE(Shown(PageId::EightTabStrip));
  EXPECT_FALSE(Shown(PageId::FourTabStrip));
  EXPECT_EQ(CheckedTab(PageId::EightTabStrip), static_cast<int>(FunctionPage::MacroManager));
  EXPECT_EQ(HotButton(2).Checked, 1);
  EXPECT_TRUE(IsWindowVisible(ControlAt<CBitmapBtn>(Layout().Hwnd(), L"skin_mouse.ini", 21).Hwnd()));

  // Restoring the button writes its record and flag, and applies nothing.
  EXPECT_EQ(Queue(WM_ASSIGN_FUNCTION, kAssignRestore, kRestoreSelectedButton), PreTranslation::Consumed);
  EXPECT_EQ(active.MacroKeyInfo[2].FunctionCode, DefaultButtonFunctions[2]);
  EXPECT_EQ(WorkingSettings.ButtonChangedFlags[WorkingSettings.CurrentProfile][2], 1);
  EXPECT_FALSE(fs::exists(fs::path(ExeFolder()) / L"config.ini"));
  // A number out of range selects no button.
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, 15);
  EXPECT_EQ(window.Pages().SelectedButton(), -1);
}

TEST_F(DispatchTest, TabStripsMarkTheCurrentPageEachInItsWay) {
  window.Pages().ShowTabStrip(true, FunctionPage::Sensitivity);  // makes the 8-tab strip
  const struct {
    PageId strip;
    int selected;
    int checked;
  } rows[] = {
      {PageId::FourTabStrip, 2, 2}, {PageId::FourTabStrip, 5, 2}, {PageId::FourTabStrip, 8, -1},
      {PageId::FourTabStrip, 3, 3}, {PageId::EightTabStrip, 6, 6}, {PageId::EightTabStrip, 8, -1},
      {PageId::EightTabStrip, 7, 7}, {PageId::EightTabStrip, -1, -1},
  };
  for (const auto& row : rows) {
    Strip(row.strip).SelectTab(static_cast<FunctionPage>(row.selected));
    EXPECT_EQ(CheckedTab(row.strip), row.checked) << static_cast<int>(row.strip) << "/" << row.selected;
  }
  // The settings button: no tab, no function page, the button checked.
  window.ShowSettings();
  EXPECT_EQ(CheckedTab(PageId::FourTabStrip), -1);
  EXPECT_EQ(CheckedTab(PageId::EightTabStrip), -1);
  EXPECT_FALSE(Shown(PageId::Start));
  EXPECT_EQ(FrameButtonAt(window.Hwnd(), frame::kSettings).Checked, 1);
  // A tab click asks for its page again, and the button is let go.
  SendMessageW(Strip(PageId::EightTabStrip).Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(Tab(PageId::EightTabStrip, 0).Hwnd()));
  MSG posted;
  ASSERT_TRUE(PeekMessageW(&posted, window.Hwnd(), WM_SHOW_FUNCTION_PAGE, WM_SHOW_FUNCTION_PAGE, PM_REMOVE));
  Queue(posted.message, posted.wParam, posted.lParam);
  EXPECT_TRUE(Shown(PageId::Start));
  EXPECT_EQ(FrameButtonAt(window.Hwnd(), frame::kSettings).Checked, 0);
}

TEST_F(DispatchTest, AMouseFunctionIsWrittenAtOnceAndTheWheelButtonsLoseTwoLines) {
  ButtonRecord& five = Record(5);
  five.RepeatCount = 7;
  five.EntryCount = 3;
  five.Entries[2][1] = 0x55;
  SetText(five.Name, u"old");
  SetText(five.ProgramPath, u"C:\\run.exe");
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, 5);
  auto& page = *window.Pages().PageAs<CDlgMouseFunc>(PageId::MouseFunction);
  ASSERT_TRUE(IsWindowVisible(page.Hwnd()));
  EXPECT_EQ(Lines(List(page, 3), LB_GETCURSEL), 0) << "code 13 is marked";
  EXPECT_FALSE(Deliver(kAssignMouseFunction)) << "marking a line is no choice";

  // The user chooses group 2, line 1.
  SendMessageW(List(page, 1).Hwnd(), LB_SETCURSEL, 0, 0);
  SendMessageW(page.Hwnd(), WM_COMMAND, MAKEWPARAM(2011, LBN_SELCHANGE), reinterpret_cast<LPARAM>(List(page, 1).Hwnd()));
  EXPECT_EQ(Lines(List(page, 3), LB_GETCURSEL), -1);
  ASSERT_TRUE(Deliver(kAssignMouseFunction));
  EXPECT_EQ(five.FunctionCode, 9);
  EXPECT_EQ(five.EntryCount, 0);
  EXPECT_EQ(five.Entries[2][1], 0);
  EXPECT_TRUE(TextOf(five.Name).empty());
  EXPECT_EQ(five.RepeatCount, 7);
  EXPECT_EQ(TextOf(five.ProgramPath), u"C:\\run.exe");
  EXPECT_EQ(WorkingSettings.ButtonChangedFlags[0][5], 1);
  // The choice is taken once: the same message again brings nothing stale.
  five.FunctionCode = 10;
  Queue(WM_ASSIGN_FUNCTION, kAssignMouseFunction, 0);
  EXPECT_EQ(five.FunctionCode, 10);

  Queue(WM_SELECT_BUTTON, kSelectButtonTag, 13);
  EXPECT_EQ(Lines(List(page, 0), LB_GETCOUNT), 6);
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, 2);
  ASSERT_EQ(Lines(List(page, 0), LB_GETCOUNT), 8);
  for (int line : {6, 7}) {
    wchar_t text[kMaxTextLength + 1] = {};
    SendMessageW(List(page, 0).Hwnd(), LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(text, LanguageText(line == 6 ? IDS_FN_RAPID_FIRE : IDS_FN_SNIPER));
  }
}

TEST_F(DispatchTest, TheShortcutPageAssignsItsKeyAndTogglesAndEndsACaptureWhenLeft) {
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, 8);
  Queue(WM_SHOW_FUNCTION_PAGE, static_cast<WPARAM>(FunctionPage::ShortcutCapture), 0);
  auto& page = *window.Pages().PageAs<CDlgKeyCommand>(PageId::ShortcutCapture);
  enum KeyComKey { kNone = 1, kShift = 3, kKeyShown = 6, kCapture = 7, kRestore = 8 };
  const auto control = [&](int key) -> CBitmapBtn& { return ControlAt<CBitmapBtn>(page.Hwnd(), L"KeyCom.ini", key); };

  // Keys as the hook reports them: the keypad Enter apart, modifiers ignored.
  Click(control(kCapture));
  const struct {
    WPARAM vk;
    LPARAM flags;
    std::uint8_t key;
  } events[] = {{VK_RETURN, 0, 0x28}, {VK_RETURN, kHookKeyExtended, 0x58}, {VK_RCONTROL, kHookKeyExtended, 0x58},
                {VK_SHIFT, 0, 0x58}, {VK_F5, kHookKeyReleased, 0x3E}};
  for (const auto& event : events) {
    PostMessageW(page.Hwnd(), WM_HOOK_KEY, event.vk, event.flags);
    PumpMessages();
    EXPECT_EQ(page.Key(), event.key) << event.vk << "/" << event.flags;
  }
  EXPECT_EQ(control(kKeyShown).Caption, L"F5");
  // A refresh of the same profile neither ends the capture nor loses its key.
  Queue(WM_PROFILE_ACTION, 0, kProfileActionRefreshAll);
  EXPECT_TRUE(page.Capturing());
  EXPECT_EQ(page.Key(), 0x3E);
  EXPECT_FALSE(Deliver(kAssignKeyCombination)) << "nothing is assigned while capturing";
  Click(control(kCapture));
  ASSERT_TRUE(Deliver(kAssignKeyCombination));
  Click(control(kShift));
  ASSERT_TRUE(Deliver(kAssignKeyCombination));
  EXPECT_EQ(Record(8).FunctionCode, 5);
  EXPECT_EQ(Record(8).Entries[0][0], 0x3E);

  // "None" greys the others without unchecking them, and assigns no modifier.
  for (const std::uint8_t modifiers : {std::uint8_t{0}, kModShift}) {
    Click(control(kNone));
    EXPECT_EQ(IsWindowEnabled(control(kShift).Hwnd()) != FALSE, modifiers != 0);
    EXPECT_EQ(control(kShift).Checked, 1);
    ASSERT_TRUE(Deliver(kAssignKeyCombination));
    EXPECT_EQ(Record(8).Entries[0][1], modifiers);
  }

  // The restore button: the factory function, no key and no modifier shown.
  Click(control(kRestore));
  ASSERT_TRUE(Deliver(kAssignRestore));
  EXPECT_EQ(Record(8).FunctionCode, 0);
  EXPECT_EQ(page.Key(), 0);
  EXPECT_EQ(control(kShift).Checked, 0);

  // A language change keeps "Capture key" on the capture toggle.
  Queue(WM_PROFILE_ACTION, 1, kProfileActionSelectLanguage);
  EXPECT_EQ(control(kCapture).Caption, LanguageText(IDS_CAPTURE_KEY));

  // Leaving the page, the profile or for the settings ends a capture
  // without assigning.
  for (const auto leave : {+[](COptionDlg& w) { w.Pages().ShowFunctionPage(FunctionPage::MouseFunction); },
                           +[](COptionDlg& w) { w.Profiles().Next(); }, +[](COptionDlg& w) { w.ShowSettings(); }}) {
    Click(control(kCapture));
    ASSERT_TRUE(page.Capturing());
    leave(window);
    EXPECT_FALSE(page.Capturing());
    EXPECT_FALSE(Deliver(kAssignKeyCombination));
  }
}

// After an assignment every function page shows the record again but the
// one it came from; a macro that is not there assigns and refreshes nothing.
TEST_F(DispatchTest, AnAssignmentRefreshesTheFunctionPagesButItsOwn) {
  Macros.Clear();
  for (const char16_t* name : {u"Fire", u"Burst"}) Macros.Append(NewMacro(name));
  Queue(WM_SELECT_BUTTON, kSelectButtonTag, 5);
  PageHost& pages = window.Pages();
  auto& mouse = *pages.PageAs<CFunctionListPage>(PageId::MouseFunction);
  auto& keys = *pages.PageAs<CFunctionListPage>(PageId::KeyFunction);
  auto& shortcut = *pages.PageAs<CDlgKeyCommand>(PageId::ShortcutCapture);
  auto& macros = *pages.PageAs<CMacroManager>(PageId::MacroManager);
  // Marks no refresh leaves: a line in every list, a key, the second macro.
  const auto mark = [&] {
    for (CFunctionListPage* page : {&mouse, &keys})
      for (int group = 0; group < page->GroupCount(); ++group) SendMessageW(List(*page, group).Hwnd(), LB_SETCURSEL, 0, 0);
    shortcut.ShowKeyCombination(0x3E, 0);
    macros.SelectMacroByName(u"Burst");
  };
  const auto marked = [&] {
    std::string kept;
    for (CFunctionListPage* page : {&mouse, &keys}) {
      bool all = true;
      for (int group = 0; group < page->GroupCount(); ++group) all = all && Lines(List(*page, group), LB_GETCURSEL) == 0;
      kept += all ? '1' : '0';
    }
    return kept + (shortcut.Key() == 0x3E ? '1' : '0') + (macros.CurrentMacro() == 1 ? '1' : '0');
  };
  const auto choose = [](CFunctionListPage& page, int firstListId) {
    SendMessageW(List(page, 0).Hwnd(), LB_SETCURSEL, 0, 0);
    SendMessageW(page.Hwnd(), WM_COMMAND, MAKEWPARAM(firstListId, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(List(page, 0).Hwnd()));
  };

  choose(mouse, 2010);
  mark();
  ASSERT_TRUE(Deliver(kAssignMouseFunction));
  EXPECT_EQ(marked(), "1000");
  choose(keys, 2001);
  mark();
  ASSERT_TRUE(Deliver(kAssignKeyFunction));
  EXPECT_EQ(marked(), "0100");
  mark();
  EXPECT_EQ(Queue(WM_ASSIGN_FUNCTION, kAssignMacro, 0), PreTranslation::Consumed);
  EXPECT_EQ(marked(), "0001");
  EXPECT_EQ(TextOf(Record(5).Name), u"Fire");

  const ButtonRecord before = Record(5);
  WorkingSettings.ButtonChangedFlags[WorkingSettings.CurrentProfile][5] = 0;
  mark();
  EXPECT_EQ(Queue(WM_ASSIGN_FUNCTION, kAssignMacro, 2), PreTranslation::Continue);
  EXPECT_EQ(std::memcmp(&Record(5), &before, sizeof before), 0);
  EXPECT_EQ(WorkingSettings.ButtonChangedFlags[WorkingSettings.CurrentProfile][5], 0);
  EXPECT_EQ(marked(), "1111");
  Macros.Clear();
}

// A page that cannot be made is tried once: the pages made ahead stop, and
// the start page stands in for it.
TEST(PageHostTest, APageThatCannotBeMadeIsTriedOnce) {
  PageHost host;
  {
    CWnd parent;
    ASSERT_TRUE(parent.CreatePlainWindow(WS_POPUP, {0, 0, 780, 730}, nullptr));
    host.CreateStartPages(parent.Hwnd());
    parent.DestroyWindow();
  }
  int tries = 0;
  while (host.MakeNextPage() && tries < 100) ++tries;
  EXPECT_LT(tries, 100);
  EXPECT_EQ(host.Page(PageId::MouseFunction), nullptr);
  host.ShowFunctionPage(FunctionPage::MouseFunction);
}

}  // namespace
