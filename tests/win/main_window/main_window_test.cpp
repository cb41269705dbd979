// The main window in this process, built from the real skin and language
// library copied beside the test: its frame buttons, choices and profile bar
// against WorkingSettings, and what closing leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/messages.h"
#include "app/option_dlg.h"
#include "model/frame_choices.h"
#include "pages/assign/function_tab_strip.h"
#include "framework/exe_folder.h"
#include "framework/handles.h"
#include "framework/wide.h"
#include "macro/list_box_ex.h"
#include "main_window/frame_keys.h"
#include "main_window/modal_driver.h"
#include "message_pump.h"
#include "pixels.h"
#include "model/factory.h"
#include "model/settings.h"
#include "model/text.h"
#include "registry_sandbox.h"
#include "skin_controls.h"
#include "store/profile_store.h"
#include "tests/e2e/simulator.h"

namespace {

namespace fs = std::filesystem;

// The settings files beside the program, removed before and after each test
// so each starts from factory values.
void RemoveSettingsFiles() {
  std::error_code ignored;
  fs::remove(fs::path(ExeFolder()) / L"config.ini", ignored);
  fs::remove_all(fs::path(ExeFolder()) / L"config", ignored);
}

bool SettingsFilesExist() {
  return fs::exists(fs::path(ExeFolder()) / L"config.ini") || fs::exists(fs::path(ExeFolder()) / L"config");
}

// Profiles named after their number, saved as the files the window starts from.
void SaveNamedProfiles(int current) {
  FactorySettings(WorkingSettings);
  for (int p = 0; p < kProfileCount; ++p)
    SetText(ProfileAt(WorkingSettings, p)->ProFileName, u"Profile" + std::u16string(1, u'A' + p));
  WorkingSettings.CurrentProfile = current;
  SaveAll(WorkingSettings);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveSettingsFiles(); }
  void TearDown() override {
    window.reset();
    RemoveSettingsFiles();
  }

  COptionDlg& Open() {
    window = std::make_unique<Window<COptionDlg>>();
    EXPECT_TRUE(window->Create(nullptr));
    PumpMessages();
    return *window;
  }

  CBitmapBtn& Button(FrameKey which) { return FrameButtonAt(window->Hwnd(), which); }
  void Click(FrameKey which) {
    SendMessageW(window->Hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(Button(which).Hwnd()));
  }
  std::wstring Caption(FrameKey which) { return Button(which).Caption; }
  bool Enabled(FrameKey which) { return IsWindowEnabled(Button(which).Hwnd()); }

  // Apply also writes the pointer settings.
  RegistrySandbox registry;
  std::unique_ptr<Window<COptionDlg>> window;
};

TEST_F(MainWindowTest, BuildsItsFrameFromTheSkin) {
  COptionDlg& dlg = Open();
  RECT rect;
  GetWindowRect(dlg.Hwnd(), &rect);
  EXPECT_EQ(rect.right - rect.left, 780);
  EXPECT_EQ(rect.bottom - rect.top, 730);
  wchar_t title[64];
  GetWindowTextW(dlg.Hwnd(), title, 64);
  EXPECT_STREQ(title, L"VORNA Gaming Mouse option");
  // Captions from the library; the rename button names renaming.
  EXPECT_EQ(Caption(frame::kApply), L"Apply");
  EXPECT_FALSE(Caption(frame::kRename).empty());
  EXPECT_EQ(Caption(frame::kLanguageCode), L"EN");
  EXPECT_FALSE(Enabled(frame::kProfileBar));
  EXPECT_FALSE(Enabled(frame::kLighting));
  EXPECT_TRUE(Enabled(frame::kSettings));
  // The two frame labels of key 0 share its rectangle.
  RECT footer, label;
  GetWindowRect(Button(frame::kFooter).Hwnd(), &footer);
  GetWindowRect(Button(frame::kProfileLabel).Hwnd(), &label);
  EXPECT_TRUE(EqualRect(&footer, &label));
  GdiRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(GetWindowRgn(dlg.Hwnd(), region.Get()), ERROR) << "shaped by the mask";
  // The start page fills the function page area.
  const HWND start = dlg.Pages().Existing(PageId::Start)->Hwnd();
  ASSERT_TRUE(IsWindowVisible(start));
  RECT page;
  GetWindowRect(start, &page);
  MapWindowPoints(nullptr, dlg.Hwnd(), reinterpret_cast<POINT*>(&page), 2);
  EXPECT_EQ(page.left, 209);
  EXPECT_EQ(page.top, 372);
  EXPECT_EQ(page.right - page.left, 551);
  EXPECT_EQ(page.bottom - page.top, 301);
}

// As the program starts: the first paint draws every control of the start
// from its plan, before any control has a window; the windows made next
// change no pixel; and a click that comes before them reaches its button.
TEST_F(MainWindowTest, PaintsFirstAndMakesItsControlsAfterwardsUnseen) {
  auto open = [&] {
    window = std::make_unique<Window<COptionDlg>>(MonitorNames::Standard(), ControlsMade::AfterFirstPaint);
    EXPECT_TRUE(window->Create(nullptr));
  };
  auto controlAt = [&](FrameKey key) {
    POINT at = LayoutMiddle(L"skin_main.ini", key.key);
    return ChildWindowFromPointEx(window->Hwnd(), at, CWP_SKIPINVISIBLE);
  };
  int width = 0, height = 0;
  open();
  EXPECT_EQ(controlAt(frame::kApply), window->Hwnd()) << "no window before the first paint";
  RedrawWindow(window->Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const std::vector<COLORREF> planned = CaptureClient(window->Hwnd(), width, height);
  ASSERT_TRUE(PumpUntil([&] { return controlAt(frame::kApply) != window->Hwnd(); }));
  RedrawWindow(window->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(CaptureClient(window->Hwnd(), width, height) == planned) << "the controls paint as planned";
  // Made but not cut yet, a button paints its states from the window's
  // pictures as it does from its own cut-outs.
  CBitmapBtn& apply = Button(frame::kApply);
  auto hovered = [&] {
    apply.Hover = 1;
    RedrawWindow(apply.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return CaptureClient(apply.Hwnd(), width, height);
  };
  ASSERT_FALSE(apply.ImageOver) << "cut a tick after the controls are made";
  const std::vector<COLORREF> uncut = hovered();
  ASSERT_TRUE(PumpUntil([&] { return apply.ImageOver.Get() != nullptr; }));
  EXPECT_TRUE(hovered() == uncut);

  window.reset();
  open();
  const POINT settings = LayoutMiddle(L"skin_main.ini", frame::kSettings.key);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP})
    PostMessageW(window->Hwnd(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                 MAKELPARAM(settings.x, settings.y));
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (PreTranslateChain(msg, window->Hwnd()) != PreTranslation::Consumed) TranslateAndDispatch(msg);
  EXPECT_TRUE(Button(frame::kSettings).Checked) << "the click before the controls opened the settings";
}

// A page shown anew paints its controls in its own pass, each as the
// control paints itself (lists in their skinned frames, edit boxes,
// sliders, buttons), on every page and either tab strip.
TEST_F(MainWindowTest, APageShownPaintsItsControlsAsTheyPaintThemselves) {
  COptionDlg& dlg = Open();
  int width = 0, height = 0;
  for (int page = 0; page < kFunctionPageCount; ++page) {
    dlg.Pages().ShowTabStrip(page >= 4, static_cast<FunctionPage>(page));
    dlg.Pages().ShowFunctionPage(static_cast<FunctionPage>(page));
    UpdateWindow(dlg.Hwnd());
    bool controlLeft = false;
    for (HWND shown = GetWindow(dlg.Hwnd(), GW_CHILD); shown; shown = GetWindow(shown, GW_HWNDNEXT)) {
      UpdateWindow(shown);
      for (HWND control = GetWindow(shown, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        controlLeft |= IsWindowVisible(control) && GetUpdateRect(control, nullptr, FALSE);
    }
    EXPECT_FALSE(controlLeft) << "page " << page << ": a control waits to paint itself";
    RedrawWindow(dlg.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::vector<COLORREF> together = CaptureClient(dlg.Hwnd(), width, height);
    // The controls alone paint again, each by itself.
    for (HWND shown = GetWindow(dlg.Hwnd(), GW_CHILD); shown; shown = GetWindow(shown, GW_HWNDNEXT))
      for (HWND control = GetWindow(shown, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(CaptureClient(dlg.Hwnd(), width, height) == together) << "page " << page;
  }
}

TEST_F(MainWindowTest, PressesOnTheBackgroundDragTheWholeWindowButOnThePagesOfValuesAndMacros) {
  COptionDlg& dlg = Open();
  using enum PageId;
  const struct { PageId page; bool drags; } rows[] = {
      {Start, true},         {Layout, true},          {FourTabStrip, true},    {EightTabStrip, true},
      {MouseFunction, true}, {KeyFunction, true},     {ShortcutCapture, true}, {Settings, true},
      {Sensitivity, false},  {Pointer, false},        {MacroManager, false}};
  std::vector<HWND> backgrounds{dlg.Hwnd()};
  for (const auto& row : rows) backgrounds.push_back(dlg.Pages().Page(row.page)->Hwnd());
  for (std::size_t i = 0; i < backgrounds.size(); ++i) {
    PumpMessages();
    SendMessageW(backgrounds[i], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
    MSG msg;
    const bool dragged = PeekMessageW(&msg, dlg.Hwnd(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE);
    EXPECT_EQ(dragged, i == 0 || rows[i - 1].drags) << i;
    if (dragged) {
      EXPECT_EQ(msg.lParam, MAKELPARAM(30, 40)) << i;
    }
  }
}

TEST_F(MainWindowTest, ProfileBarAndArrowsAtTheEnds) {
  SaveNamedProfiles(0);
  Open();
  EXPECT_EQ(Caption(frame::kProfileBar), L"ProfileA 1/5");
  EXPECT_FALSE(Enabled(frame::kPrevious));
  EXPECT_TRUE(Enabled(frame::kNext));
  for (int i = 0; i < 4; ++i) Click(frame::kNext);
  EXPECT_EQ(WorkingSettings.CurrentProfile, 4);
  EXPECT_EQ(Caption(frame::kProfileBar), L"ProfileE 5/5");
  EXPECT_TRUE(Enabled(frame::kPrevious));
  EXPECT_FALSE(Enabled(frame::kNext));
  // A click that could not happen on a disabled button changes nothing.
  Click(frame::kNext);
  EXPECT_EQ(WorkingSettings.CurrentProfile, 4);
  Click(frame::kPrevious);
  EXPECT_EQ(Caption(frame::kProfileBar), L"ProfileD 4/5");
  // The switch is an edit: the applied copy still has the first profile.
  EXPECT_EQ(AppliedSettings.CurrentProfile, 0);
}

TEST_F(MainWindowTest, ColourAndLightingChoicesWriteTheActiveProfile) {
  Open();
  struct ColourRow {
    int button;
    std::int32_t flag;
    std::uint8_t option;
  };
  for (const ColourRow& row : {ColourRow{5, 1, 4}, ColourRow{0, 0, 0}, ColourRow{7, 1, 6}}) {
    Click({frame::kFirstColour + row.button});
    const ProfileRecord& active = *ActiveProfile(WorkingSettings);
    EXPECT_EQ(active.ColorFlag, row.flag) << row.button;
    EXPECT_EQ(active.ColorOptions1, row.option) << row.button;
    for (int i = 0; i < kColourChoiceCount; ++i)
      EXPECT_EQ(Button({frame::kFirstColour + i}).Checked, i == row.button ? 1 : 0);
  }
  struct LightRow {
    FrameKey button;
    std::uint8_t effectSwitch, effectType;
  };
  for (const LightRow& row : {LightRow{frame::kEffectB, 1, 1}, LightRow{frame::kLightOff, 0, 0},
                              LightRow{frame::kEffectA, 1, 0}}) {
    Click(row.button);
    const ProfileRecord& active = *ActiveProfile(WorkingSettings);
    EXPECT_EQ(active.LightEffectSwitch1, row.effectSwitch);
    EXPECT_EQ(active.LightEffectType1, row.effectType);
    for (FrameKey light : {frame::kEffectA, frame::kEffectB, frame::kLightOff})
      EXPECT_EQ(Button(light).Checked, light.key == row.button.key ? 1 : 0);
  }
  // Switched off shows "off" whatever type is stored; a colour beyond the
  // buttons shows none.
  ProfileRecord& active = *ActiveProfile(WorkingSettings);
  active.LightEffectSwitch1 = 0;
  active.LightEffectType1 = 1;
  active.ColorFlag = 1;
  active.ColorOptions1 = 9;
  window->RefreshAll();
  EXPECT_EQ(Button(frame::kLightOff).Checked, 1);
  for (int i = 0; i < kColourChoiceCount; ++i)
    EXPECT_EQ(Button({frame::kFirstColour + i}).Checked, 0);
}

TEST_F(MainWindowTest, LanguageChangeReloadsCaptions) {
  Open();
  CFunctionTabStrip& tabs = *window->Pages().PageAs<CFunctionTabStrip>(PageId::FourTabStrip);
  // Taken in pre-translation, or dispatched straight to the window by a
  // system loop; an index without a language of its own shows English.
  PostMessageW(window->Hwnd(), WM_PROFILE_ACTION, 1, kProfileActionSelectLanguage);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, window->Hwnd(), WM_PROFILE_ACTION, WM_PROFILE_ACTION, PM_REMOVE));
  EXPECT_EQ(window->PreTranslateMessage(&msg), PreTranslation::Consumed);
  EXPECT_EQ(Caption(frame::kLanguageCode), L"DE");
  EXPECT_EQ(Caption(frame::kApply), L"\u00dcbernehmen");
  EXPECT_EQ(ControlAt<CBitmapBtn>(tabs.Hwnd(), L"skin_set_tab.ini", 1).Caption, LanguageText(IDS_TAB_HOME));
  EXPECT_NE(Caption(frame::kProfileBar).find(L" 1/5"), std::wstring::npos);
  SendMessageW(window->Hwnd(), WM_PROFILE_ACTION, 7, kProfileActionSelectLanguage);
  EXPECT_EQ(Caption(frame::kLanguageCode), L"EN");
  EXPECT_EQ(Caption(frame::kApply), L"Apply");
  window->Frame().UpdateProfileBar();
  EXPECT_EQ(Caption(frame::kProfileBar), std::wstring(Wide(TextOf(ActiveProfile(WorkingSettings)->ProFileName))) + L" 1/5");
}

TEST_F(MainWindowTest, ApplyWithoutMonitorWritesFilesAndEndsBusyAtOnce) {
  Open();
  Click({frame::kFirstColour + 3});
  Click(frame::kApply);
  EXPECT_FALSE(window->Busy());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_TRUE(fs::exists(fs::path(ExeFolder()) / L"config.ini"));
  EXPECT_EQ(AppliedSettings.Profiles[AppliedSettings.CurrentProfile].ColorOptions1, 2);
}

TEST_F(MainWindowTest, ConnectedApplyStaysBusyUntilTheMonitorAnswers) {
  Simulator monitor(Simulator::Names::Standard);
  ASSERT_TRUE(monitor.Serve({L"--done-delay", L"500"}));
  Open();
  Click(frame::kNext);
  Click(frame::kApply);
  EXPECT_TRUE(window->Busy());
  EXPECT_EQ(GetCapture(), window->Hwnd());
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  // The wait cursor stays wherever the pointer goes meanwhile.
  SendMessageW(window->Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window->Hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  ASSERT_TRUE(PumpUntil([&] { return !window->Busy(); }));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(AppliedSettings.CurrentProfile, 1);
}

TEST_F(MainWindowTest, ASaveThatFailsIsToldAndOkKeepsTheWindowOpen) {
  Open();
  Click(frame::kApply);
  const std::wstring config = ExeFolder() + L"config.ini";
  FileHandle held(CreateFileW(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  MessageBoxAnswer box(window->Hwnd());
  Click(frame::kOk);
  EXPECT_NE(box.told.find(config), std::wstring::npos);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainWindowTest, CancelAndCloseEndWithoutWritingAnything) {
  for (FrameKey ending : {frame::kCancel, frame::kClose}) {
    Open();
    Click({frame::kFirstColour + 2});
    Click(frame::kNext);
    Click(ending);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(static_cast<int>(msg.wParam), -1);
    window.reset();
    EXPECT_FALSE(SettingsFilesExist());
  }
}

}  // namespace

TEST_F(MainWindowTest, TabGoesRoundTheShownControlsAndShiftTabBack) {
  COptionDlg& dlg = Open();
  ShowWindow(dlg.Hwnd(), SW_SHOW);
  // The first control a user reads, not the minimise button.
  EXPECT_EQ(GetFocus(), Button(frame::kNext).Hwnd());
  const auto round = [&](bool back) {
    std::vector<HWND> visited{GetFocus()};
    for (int press = 0; press < 200; ++press) {
      MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
      BYTE keys[256]{};
      keys[VK_SHIFT] = back ? 0x80 : 0;
      SetKeyboardState(keys);
      EXPECT_EQ(dlg.PreTranslateMessage(&tab), PreTranslation::Consumed);
      if (GetFocus() == visited.front()) break;
      visited.push_back(GetFocus());
    }
    SetKeyboardState(std::array<BYTE, 256>{}.data());
    return visited;
  };
  const auto macroList = [&] {
    return ControlAt<CListBoxEx>(dlg.Pages().Page(PageId::MacroManager)->Hwnd(), L"macro_manager.ini", 7).Hwnd();
  };
  using enum FunctionPage;
  for (FunctionPage page : {MacroManager, Settings}) {
    dlg.Pages().ShowTabStrip(true, page);
    SendMessageW(dlg.Hwnd(), WM_SHOW_FUNCTION_PAGE, static_cast<WPARAM>(page), 0);
    const std::vector<HWND> forward = round(false);
    std::vector<HWND> backward = round(true);
    std::reverse(backward.begin() + 1, backward.end());
    EXPECT_EQ(forward, backward);
    // Each once, shown and enabled; the macro list only while its page shows.
    EXPECT_EQ(std::set<HWND>(forward.begin(), forward.end()).size(), forward.size());
    EXPECT_TRUE(std::ranges::all_of(forward, [](HWND w) { return IsWindowVisible(w) && IsWindowEnabled(w); }));
    EXPECT_EQ(std::ranges::count(forward, macroList()), page == MacroManager ? 1 : 0);
    EXPECT_EQ(std::ranges::count(forward, Button(frame::kApply).Hwnd()), 1);
  }
}
