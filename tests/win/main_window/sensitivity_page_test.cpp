// The sensitivity page in the main window and a level row on a window of
// its own, in process: a profile shown without a write, what each control
// writes, and a row's thumb dragged for real.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/messages.h"
#include "app/option_dlg.h"
#include "message_pump.h"
#include "model/settings.h"
#include "pages/perf/sens_ex_dlg.h"
#include "real_input.h"
#include "skin_controls.h"

namespace {

// A skinned button's click as its parent hears it.
void Click(CBitmapBtn& button) {
  const HWND hwnd = button.Hwnd();
  SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
  PumpMessages();
}

// "0010": which of `count` controls are marked.
template <class Marked>
std::string Marks(int count, Marked marked) {
  std::string marks;
  for (int i = 0; i < count; ++i) marks += marked(i) ? '1' : '0';
  return marks;
}

TEST(SensitivityPage, ShowsAProfileWithoutWritingItAndEachControlWritesItsField) {
  Window<COptionDlg> window;
  ASSERT_TRUE(window.Create(nullptr));
  ProfileRecord& profile = *ActiveProfile(WorkingSettings);
  profile.XYSynchronous = 0;
  profile.Sensitivity_X = 9;
  profile.Sensitivity_Y = 25;
  profile.OTGSpeed = 300;
  profile.CpiLevel_X[1] = 10;
  profile.dpiStepFlag[3] = 0;
  profile.CpiStep = 2;
  profile.PollingRate = 1;
  const auto before = std::make_unique<SettingsRecord>(WorkingSettings);
  // Shown again if readied already, else made and caught up now.
  window.RefreshAll();
  CSensExDlg& page = *window.Pages().PageAs<CSensExDlg>(PageId::Sensitivity);
  // What the page posted is handled too: it would store over these.
  PumpMessages();
  EXPECT_EQ(std::memcmp(&WorkingSettings, before.get(), sizeof(SettingsRecord)), 0);
  enum SpeedKey { kLock = 2, kX, kY, kFirstLevel, kFirstRate = 10, kOtgSpeed = 14 };
  constexpr wchar_t kLayout[] = L"skin_speed_page.ini";
  const auto thumb = [&](int key) { return ControlAt<CClickHSlider>(page.Hwnd(), kLayout, key).Thumb.Value; };
  const auto level = [&](int i) -> auto& { return ControlAt<CDpiSettingWnd>(page.Hwnd(), kLayout, kFirstLevel + i); };
  const auto rate = [&](int i) -> auto& { return ControlAt<CBitmapBtn>(page.Hwnd(), kLayout, kFirstRate + i); };
  EXPECT_EQ(thumb(kX), 5);
  EXPECT_EQ(thumb(kY), 6);
  EXPECT_EQ(thumb(kOtgSpeed), 255);
  EXPECT_EQ(level(1).LevelLabel.Text, L"2400");
  EXPECT_FALSE(IsWindowEnabled(level(3).LevelSlider.Hwnd()));
  const auto levels = [&] { return Marks(kEditableLevels, [&](int i) { return level(i).IsCurrent; }); };
  const auto rates = [&] { return Marks(kPollingRateChoices, [&](int i) { return rate(i).Checked; }); };
  EXPECT_EQ(levels(), "0010");
  EXPECT_EQ(rates(), "0100");

  const auto slide = [&](int id, int position) {
    PostMessageW(page.Hwnd(), WM_SLIDER_POS, static_cast<WPARAM>(position), id);
    PumpMessages();
  };
  // The lock (a toggle: flipped on its release) takes X into Y, then
  // carries each move to the other thumb.
  SendMessageW(ControlAt<CBitmapBtn>(page.Hwnd(), kLayout, kLock).Hwnd(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(profile.XYSynchronous, 1);
  EXPECT_EQ(profile.Sensitivity_Y, 9);
  EXPECT_EQ(thumb(kY), 5);
  slide(CSensExDlg::kSensitivityXId, 4);
  EXPECT_EQ(profile.Sensitivity_Y, 7);
  EXPECT_EQ(thumb(kY), 4);
  slide(CSensExDlg::kOtgSpeedId, 40);
  EXPECT_EQ(profile.OTGSpeed, 40);
  // The focused slider's keys take the same road: a step, a tenth of the
  // range, either end; nothing past an end.
  const struct {
    UINT key;
    int speed;
  } keys[] = {{VK_HOME, 2}, {VK_RIGHT, 3}, {VK_NEXT, 28}, {VK_END, 255}, {VK_PRIOR, 230}, {VK_HOME, 2}, {VK_LEFT, 2}};
  for (const auto& row : keys) {
    SendMessageW(ControlAt<CClickHSlider>(page.Hwnd(), kLayout, kOtgSpeed).Hwnd(), WM_KEYDOWN, row.key, 1);
    PumpMessages();
    EXPECT_EQ(profile.OTGSpeed, row.speed) << row.key;
    EXPECT_EQ(thumb(kOtgSpeed), row.speed) << row.key;
  }
  Click(rate(3));
  EXPECT_EQ(profile.PollingRate, 3);
  EXPECT_EQ(rates(), "0001");
  Click(level(0).LevelButton);
  EXPECT_EQ(profile.CpiStep, 0);
  EXPECT_EQ(levels(), "1000");
  // No row of this page is 502 beyond 32 bits.
  PostMessageW(page.Hwnd(), WM_DPI_LEVEL_CHANGED, DpiLevelParam(kDpiLevelCurrent, 0),
               CSensExDlg::kFirstLevelId + 2 + (LPARAM{1} << 32));
  PumpMessages();
  EXPECT_EQ(profile.CpiStep, 0);

  SendMessageW(window.Hwnd(), WM_PROFILE_ACTION, 1, kProfileActionSelectLanguage);
  EXPECT_EQ(level(0).LevelButton.Caption, L"Stufe 1");
  SendMessageW(window.Hwnd(), WM_PROFILE_ACTION, 0, kProfileActionSelectLanguage);
}

// A level row's page: keeps what the row posts.
class CRowHost : public CWnd {
 public:
  std::vector<WPARAM> posts;

  CRowHost() { CreatePlainWindow(WS_POPUP | WS_VISIBLE, {100, 100, 600, 160}, nullptr); }
  ~CRowHost() override { DestroyWindow(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DPI_LEVEL_CHANGED && lParam == 502) posts.push_back(wParam);
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

// The thumb travels 255 pixels over 20 positions: a drag reads
// 1 + 19 * left / 255, a release rounds that.
TEST(LevelRow, ADragReportsEachNewPositionOnceAndItsButtonItsCheck) {
  CRowHost host;
  CDpiSettingWnd row;
  ASSERT_TRUE(row.Create({10, 10, 482, 41}, host.Hwnd(), 502));
  row.SetLevel(3);  // the thumb's left edge at 26

  POINT grip{6, 10};
  ClientToScreen(row.LevelSlider.Thumb.Hwnd(), &grip);
  SetCursorPos(grip.x, grip.y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  // Lefts 47 and 54 read 4 and 5; the release there reads 5 again.
  for (const auto& [dx, level] : {std::pair{21, 4}, {28, 5}}) {
    SetCursorPos(grip.x + dx, grip.y);
    ASSERT_TRUE(PumpUntil([&] { return row.Level == level; })) << dx;
  }
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return row.LevelSlider.Thumb.Dragging == 0; }));
  // Pressed and released where it lies.
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(host.posts, (std::vector<WPARAM>{0x20004, 0x20005}));
  EXPECT_EQ(row.LevelLabel.Text, L"1250");

  // A normal button: the click tells its check, which only the page sets.
  Click(row.LevelButton);
  row.SetCurrent(true);
  Click(row.LevelButton);
  EXPECT_EQ(host.posts, (std::vector<WPARAM>{0x20004, 0x20005, 0x30000, 0x30001}));

  // A row never made redraws nothing: a null window would be the desktop.
  CDpiSettingWnd unmade;
  PumpMessages();
  unmade.SetCurrent(true);
  unmade.RefreshCaption();
  RECT update;
  EXPECT_FALSE(GetUpdateRect(host.Hwnd(), &update, FALSE));
}

}  // namespace
