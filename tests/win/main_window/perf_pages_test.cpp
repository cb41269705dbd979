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
#include "skin_controls.h"
#include "version.h"

namespace {

CBitmapBtn& RestoreButton(const CDlgSetting& page) { return ControlAt<CBitmapBtn>(page.Hwnd(), L"Setting.ini", 2); }

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
  enum PointerKey { kAcceleration = 2, kWheelScreen = 4, kDoubleClick, kPointerSpeed, kTiltSpeed, kWheelLines };
  constexpr wchar_t kLayout[] = L"skin_system_page.ini";
  const auto button = [&](int key) -> CBitmapBtn& { return ControlAt<CBitmapBtn>(page.Hwnd(), kLayout, key); };
  const auto slider = [&](int key) -> CClickHSlider& { return ControlAt<CClickHSlider>(page.Hwnd(), kLayout, key); };
  const std::pair<int, int> shown[] = {{kDoubleClick, 400}, {kPointerSpeed, 4}, {kWheelLines, 8}, {kTiltSpeed, 3}};
  for (auto [key, position] : shown) EXPECT_EQ(slider(key).Thumb.Value, position);
  EXPECT_EQ(button(kAcceleration).Checked, 1);
  EXPECT_EQ(button(kWheelScreen).Checked, 1);
  EXPECT_EQ(Active().ScrollWheelSpeed, 12) << "showing writes nothing";

  // A release on each track, where the user clicked.
  const struct { int key; int x; int ProfileRecord::*field; int stored; } clicks[] = {
      {kDoubleClick, 0, &ProfileRecord::DbleClickSpeed, 900},
      {kPointerSpeed, 115, &ProfileRecord::MouseSpeed, 9},  // position 4 again
      {kWheelLines, 269, &ProfileRecord::ScrollWheelSpeed, 8},
      {kTiltSpeed, 0, &ProfileRecord::TiltSpeed, 1},
  };
  for (const auto& row : clicks) {
    SendMessageW(slider(row.key).Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(row.x, 10));
    PumpMessages();
    EXPECT_EQ(Active().*row.field, row.stored) << row.key;
  }
  EXPECT_EQ(GetDoubleClickTime(), 900u);
  // The thumb dragged to the right end reports 700.
  SendMessageW(page.Hwnd(), WM_SLIDER_POS, 700, 201);
  EXPECT_EQ(Active().DbleClickSpeed, 200);
  EXPECT_EQ(GetDoubleClickTime(), 200u);

  // Acceleration off, then on: row 8 whatever it was.
  SendMessageW(button(kAcceleration).Hwnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(std::pair(Active().AccelerationFlag, Active().Acceleration), std::pair(0, 0));
  SendMessageW(button(kAcceleration).Hwnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(std::pair(Active().AccelerationFlag, Active().Acceleration), std::pair(1, 8));
  SendMessageW(button(kWheelScreen).Hwnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(Active().ScrollWheelFlag, 0);
}

TEST_F(PerfPagesTest, SettingsPageRestoresAllOnlyWhenTheUserConfirms) {
  CDlgSetting& page = SettingsPage();
  // Cancel, close, OK.
  for (auto [button, restores] : {std::pair{1, 0}, {2, 0}, {0, 1}}) {
    ModalDriver driver([&] { return IsWindowVisible(OwnedDialog(window.Hwnd())); }, [&, button] {
      Click(ControlAt<CBitmapBtn>(OwnedDialog(window.Hwnd()), L"Restore.ini", button + 1));
    });
    Click(RestoreButton(page));
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
  const std::wstring english = RestoreButton(page).Caption;
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
  EXPECT_EQ(RestoreButton(page).Caption, LanguageText(IDS_RESTORE_ALL));
  EXPECT_NE(RestoreButton(page).Caption, english);
  EXPECT_NE(headings(), before) << "painted again before any message";
}

}  // namespace
