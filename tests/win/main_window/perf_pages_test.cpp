// The Windows pointer page and the settings page in the main window, in
// process: what the pointer page shows of a profile and stores of the
// user's moves, the settings page's restore and its language change.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/language.h"
#include "app/messages.h"
#include "app/option_dlg.h"
#include "lang/string_ids.h"
#include "main_window/modal_driver.h"
#include "message_pump.h"
#include "model/settings.h"
#include "pages/perf/dlg_setting.h"
#include "pages/perf/program_version.h"
#include "pages/perf/system_ex_dlg.h"
#include "pixels.h"
#include "registry_sandbox.h"
#include "version.h"

namespace {

void Click(CBitmapBtn& button) {
  SendMessageW(GetParent(button.Hwnd()), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(button.Hwnd()));
}

class PerfPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(window.Create(nullptr)); }
  // The page hands the time to the system, which outlives the test.
  void TearDown() override { SetDoubleClickTime(doubleClickTime); }

  ProfileRecord& Active() { return *ActiveProfile(WorkingSettings); }
  CDlgSetting& SettingsPage() {
    window.ShowSettings();
    PumpMessages();
    return *window.Pages().PageAs<CDlgSetting>(PageId::Settings);
  }

  const UINT doubleClickTime = GetDoubleClickTime();
  RegistrySandbox registry;
  Window<COptionDlg> window;
};

TEST_F(PerfPagesTest, PointerPageShowsTheProfileAndStoresWhatTheUserMoves) {
  Active().DbleClickSpeed = 500;
  Active().MouseSpeed = 10;
  Active().ScrollWheelSpeed = 12;
  Active().TiltSpeed = 3;
  Active().AccelerationFlag = 1;
  Active().Acceleration = 3;
  Active().ScrollWheelFlag = 1;
  window.Pages().ShowFunctionPage(FunctionPage::Pointer);
  window.RefreshAll();
  auto& page = *window.Pages().PageAs<CSystemExDlg>(PageId::Pointer);
  const std::pair<PointerSlider, int> shown[] = {
      {PointerSlider::DoubleClick, 400}, {PointerSlider::PointerSpeed, 4}, {PointerSlider::WheelLines, 8},
      {PointerSlider::TiltSpeed, 3}};
  for (auto [slider, position] : shown) EXPECT_EQ(page.Slider(slider).Thumb.Value, position);
  EXPECT_EQ(page.AccelerationButton().Checked, 1);
  EXPECT_EQ(page.WheelScreenButton().Checked, 1);
  EXPECT_EQ(Active().ScrollWheelSpeed, 12) << "showing writes nothing";

  // A release on each track, where the user clicked.
  const struct { PointerSlider slider; int x; int ProfileRecord::*field; int stored; } clicks[] = {
      {PointerSlider::DoubleClick, 0, &ProfileRecord::DbleClickSpeed, 900},
      {PointerSlider::PointerSpeed, 115, &ProfileRecord::MouseSpeed, 9},  // position 4 again
      {PointerSlider::WheelLines, 269, &ProfileRecord::ScrollWheelSpeed, 8},
      {PointerSlider::TiltSpeed, 0, &ProfileRecord::TiltSpeed, 1},
  };
  for (const auto& row : clicks) {
    SendMessageW(page.Slider(row.slider).Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(row.x, 10));
    PumpMessages();
    EXPECT_EQ(Active().*row.field, row.stored) << static_cast<int>(row.slider);
  }
  EXPECT_EQ(GetDoubleClickTime(), 900u);
  // The thumb dragged to the right end reports 700.
  SendMessageW(page.Hwnd(), WM_SLIDER_POS, 700, 201);
  EXPECT_EQ(Active().DbleClickSpeed, 200);
  EXPECT_EQ(GetDoubleClickTime(), 200u);

  // Acceleration off, then on: row 8 whatever it was.
  SendMessageW(page.AccelerationButton().Hwnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(std::pair(Active().AccelerationFlag, Active().Acceleration), std::pair(0, 0));
  SendMessageW(page.AccelerationButton().Hwnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(std::pair(Active().AccelerationFlag, Active().Acceleration), std::pair(1, 8));
  SendMessageW(page.WheelScreenButton().Hwnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(Active().ScrollWheelFlag, 0);
}

TEST_F(PerfPagesTest, SettingsPageRestoresAllOnlyWhenTheUserConfirms) {
  CDlgSetting& page = SettingsPage();
  // Cancel, close, OK.
  for (auto [button, restores] : {std::pair{1, 0}, {2, 0}, {0, 1}}) {
    ModalDriver driver([&] { return page.RestoreDialog().Hwnd() && IsWindowVisible(page.RestoreDialog().Hwnd()); },
                       [&, button] { Click(page.RestoreDialog().Button(button)); });
    Click(page.RestoreButton());
    std::vector<std::pair<WPARAM, LPARAM>> posted;
    for (MSG msg; PeekMessageW(&msg, window.Hwnd(), WM_ASSIGN_FUNCTION, WM_ASSIGN_FUNCTION, PM_REMOVE);)
      posted.emplace_back(msg.wParam, msg.lParam);
    EXPECT_EQ(posted, (std::vector<std::pair<WPARAM, LPARAM>>(restores, {0, 0}))) << button;
  }
  EXPECT_EQ(ReadProgramVersions().file,
            std::to_wstring(PROGRAM_VERSION_MAJOR) + L"." + std::to_wstring(PROGRAM_VERSION_MINOR))
      << "the version lines are the program's own";
}

TEST_F(PerfPagesTest, ALanguageChangeShowsOnTheSettingsPageAtOnce) {
  CDlgSetting& page = SettingsPage();
  const std::wstring english = page.RestoreButton().Caption;
  // The top band, where only the painted headings and values are.
  const auto headings = [&] {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels = CaptureClient(page.Hwnd(), width, height);
    pixels.resize(std::min<std::size_t>(pixels.size(), static_cast<std::size_t>(width) * 60));
    return pixels;
  };
  const std::vector<COLORREF> before = headings();
  MSG german{window.Hwnd(), WM_PROFILE_ACTION, 1, kProfileActionSelectLanguage, 0, {}};
  EXPECT_EQ(window.PreTranslateMessage(&german), PreTranslation::Consumed);
  EXPECT_EQ(page.RestoreButton().Caption, LanguageText(IDS_RESTORE_ALL));
  EXPECT_NE(page.RestoreButton().Caption, english);
  EXPECT_NE(headings(), before) << "painted again before any message";
}

}  // namespace
