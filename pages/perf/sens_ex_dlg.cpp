#include "pages/perf/sens_ex_dlg.h"

#include <string>

#include "app/language.h"
#include "app/messages.h"
#include "framework/wide.h"
#include "lang/string_ids.h"
#include "model/settings.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"

namespace {

constexpr wchar_t kLayout[] = L"skin_speed_page.ini";
constexpr wchar_t kThumbDown[] = L"scroll_arrow_down.bmp";
constexpr wchar_t kThumbUp[] = L"scroll_arrow_up.bmp";
constexpr wchar_t kSyncKey[] = L"2";
constexpr int kFirstLevelKey = 5;
constexpr int kFirstPollingKey = 10;


// The level rows draw their own captions.
constexpr PaintedText kTexts[] = {
    {IDS_SENSITIVITY, {4, 21}, kSkinHeading},    {IDS_AXIS_X, {95, 10}, kSkinHeading},
    {IDS_AXIS_Y, {95, 38}, kSkinHeading},        {IDS_LOCK_XY, {455, 24}, kSkinWhite},
    {IDS_REPORT_RATE, {4, 225}, kSkinHeading},   {IDS_REPORT_RATE_0, {127, 224}, kSkinWhite},
    {IDS_REPORT_RATE_1, {204, 224}, kSkinWhite}, {IDS_REPORT_RATE_2, {281, 224}, kSkinWhite},
    {IDS_REPORT_RATE_3, {358, 224}, kSkinWhite}, {IDS_OTG_SPEED, {4, 259}, kSkinHeading},
    {IDS_SPEED_SLOW, {110, 278}, kSkinHeading},  {IDS_SPEED_MEDIUM, {230, 278}, kSkinHeading},
    {IDS_SPEED_FAST, {350, 278}, kSkinHeading},  {IDS_DPI_UNIT, {484, 82}, kSkinHeading},
    {IDS_DPI_UNIT, {484, 115}, kSkinHeading},    {IDS_DPI_UNIT, {484, 150}, kSkinHeading},
    {IDS_DPI_UNIT, {484, 183}, kSkinHeading},
};

}  // namespace

const PageImageNames CSensExDlg::kPictures = PageImageNames::InScreenSection(kLayout);

CSensExDlg::CSensExDlg(UINT templateId) : CSkinnedPage(templateId, kPictures, Drag::Nothing, Keys::Stopped) {}

const MessageMap& CSensExDlg::Messages() {
  static const MessageEntry entries[] = {
      msg::DpiLevelChanged<&CSensExDlg::OnDpiLevelChanged>(),
  };
  static const MessageMap map{&CSkinnedPage::Messages(), entries};
  return map;
}

void CSensExDlg::CreateControls() {
  const IniSection layout = ReadButtonSection(SkinFolder() + kLayout);
  const PageImageSet& images = Images();
  CreateSkinButton(sync_, layout, kSyncKey, Hwnd(), images, {.toggle = true, .layoutTooltip = true});
  sync_.OnClick([this] { OnSync(); });

  const struct {
    CClickHSlider& slider;
    const wchar_t* key;
    int id;
    const wchar_t* thumb;
    int min, max;
    bool snap;
    void (CSensExDlg::*moved)(int position);
  } sliders[] = {
      {sensX_, L"3", kSensitivityXId, kThumbDown, kSensitivityFirstPosition, kSensitivityLastPosition, true,
       &CSensExDlg::OnSensitivityX},
      {sensY_, L"4", kSensitivityYId, kThumbUp, kSensitivityFirstPosition, kSensitivityLastPosition, true,
       &CSensExDlg::OnSensitivityY},
      // Truncated, not snapped: every speed can be reached.
      {otg_, L"14", kOtgSpeedId, kThumbDown, kOtgSpeedMin, kOtgSpeedMax, false, &CSensExDlg::OnOtgSpeed},
  };
  for (const auto& row : sliders) {
    const RECT rect = ToRect(ReadButtonInfo(layout, row.key).Rect);
    const auto moved = [this, moved = row.moved](int position) { (this->*moved)(position); };
    if (!row.slider.Create(SkinFolder() + row.thumb, Hwnd(), row.id, rect,
                           {.min = row.min, .max = row.max, .snap = row.snap, .moved = moved}))
      continue;
    row.slider.SetTrackImage(images.normal.Get());
  }

  for (int level = 0; level < kEditableLevels; ++level) {
    const RECT rect = ToRect(ReadButtonInfo(layout, std::to_wstring(kFirstLevelKey + level).c_str()).Rect);
    CDpiSettingWnd& row = levels_[level];
    if (!row.Create(rect, Hwnd(), kFirstLevelId + level)) continue;
    row.SetImages(images.normal.Get(), images.over.Get(), images.down.Get(), images.normal.Get(), rect);
    row.OnLevelMoved([this, level](int position) { OnLevelMoved(level, position); });
    row.OnCurrentPressed([this, level] { OnCurrentLevel(level); });
  }

  for (int rate = 0; rate < kPollingRateChoices; ++rate) {
    CBitmapBtn& button = polling_[rate];
    CreateSkinButton(button, layout, std::to_wstring(kFirstPollingKey + rate).c_str(), Hwnd(), images,
                     {.role = AccessibleRole::RadioButton, .layoutTooltip = true});
    button.OnClick([this, rate] { OnPollingRate(rate); });
  }
  NameControls();
}

void CSensExDlg::NameControls() {
  // The sensitivity sliders by their group's heading too.
  sync_.SetAccessibleName(LanguageText(IDS_LOCK_XY));
  const std::wstring sensitivity = LanguageText(IDS_SENSITIVITY) + L" ";
  SetWindowTextW(sensX_.Hwnd(), (sensitivity + LanguageText(IDS_AXIS_X)).c_str());
  SetWindowTextW(sensY_.Hwnd(), (sensitivity + LanguageText(IDS_AXIS_Y)).c_str());
  SetWindowTextW(otg_.Hwnd(), LanguageText(IDS_OTG_SPEED).c_str());
  for (int rate = 0; rate < kPollingRateChoices; ++rate)
    polling_[rate].SetAccessibleName(LanguageText(IDS_REPORT_RATE_0 + rate));
}

void CSensExDlg::PaintContent(HDC dc) {
  SelectScope font(dc, SharedSkinFont(kPageFont));
  PaintLanguageTexts(dc, kTexts);
}

void CSensExDlg::RefreshTexts() {
  for (CDpiSettingWnd& level : levels_) level.RefreshCaption();
  NameControls();
  RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CSensExDlg::ShowActiveProfile() {
  const ProfileRecord* profile = ActiveProfile(WorkingSettings);
  if (!profile) return;
  sync_.SetCheck(profile->XYSynchronous != 0 ? 1 : 0);
  sensX_.SetPos(SensitivityToPosition(profile->Sensitivity_X));
  sensY_.SetPos(SensitivityToPosition(profile->Sensitivity_Y));
  for (int level = 0; level < kEditableLevels; ++level) {
    levels_[level].SetLevel(profile->CpiLevel_X[level]);
    levels_[level].SetEnabled(profile->dpiStepFlag[level] != 0);
  }
  ShowCurrentLevel(profile->CpiStep);
  ShowPollingRate(profile->PollingRate);
  // A speed off the scale shows at its end and stays stored.
  otg_.SetPos(profile->OTGSpeed);
}

void CSensExDlg::OnSync() {
  ProfileRecord* profile = ActiveProfile(WorkingSettings);
  if (!profile || !StoreSensitivityLock(*profile, sync_.Checked != 0)) return;
  const int position = SensitivityToPosition(profile->Sensitivity_X);
  sensX_.SetPos(position);
  sensY_.SetPos(position);
}

void CSensExDlg::OnPollingRate(int rate) {
  ProfileRecord* profile = ActiveProfile(WorkingSettings);
  if (!profile) return;
  profile->PollingRate = rate;
  ShowPollingRate(rate);
}

void CSensExDlg::OnSensitivityX(int position) { OnSensitivity(SensitivityAxis::X, position); }

void CSensExDlg::OnSensitivityY(int position) { OnSensitivity(SensitivityAxis::Y, position); }

void CSensExDlg::OnSensitivity(SensitivityAxis axis, int position) {
  ProfileRecord* profile = ActiveProfile(WorkingSettings);
  if (profile && StoreSensitivity(*profile, axis, position))
    (axis == SensitivityAxis::X ? sensY_ : sensX_).SetPos(position);
}

void CSensExDlg::OnOtgSpeed(int speed) {
  if (ProfileRecord* profile = ActiveProfile(WorkingSettings)) StoreOtgSpeed(*profile, speed);
}

// Handed back to the row it came from; anything else is nobody's level.
void CSensExDlg::OnDpiLevelChanged(int kind, int value, int rowId) { DeliverDpiLevelChange(Hwnd(), kind, value, rowId); }

void CSensExDlg::OnLevelMoved(int level, int position) {
  if (ProfileRecord* profile = ActiveProfile(WorkingSettings)) StoreLevelPosition(*profile, level, position);
}

void CSensExDlg::OnCurrentLevel(int level) {
  ProfileRecord* profile = ActiveProfile(WorkingSettings);
  if (profile && StoreCurrentLevel(*profile, level)) ShowCurrentLevel(level);
}

void CSensExDlg::ShowCurrentLevel(int level) {
  for (int row = 0; row < kEditableLevels; ++row) levels_[row].SetCurrent(row == level);
}

void CSensExDlg::ShowPollingRate(int rate) {
  for (int choice = 0; choice < kPollingRateChoices; ++choice) polling_[choice].SetCheck(choice == rate ? 1 : 0);
}
