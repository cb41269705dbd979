#include "pages/perf/system_ex_dlg.h"

#include <algorithm>
#include <string>

#include "app/language.h"
#include "app/messages.h"
#include "framework/wide.h"
#include "lang/string_ids.h"
#include "model/settings.h"
#include "model/text.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"

namespace {

constexpr wchar_t kLayout[] = L"skin_system_page.ini";
constexpr wchar_t kThumb[] = L"scroll_arrow_down.bmp";
constexpr wchar_t kAccelerationKey[] = L"2";
constexpr wchar_t kWheelScreenKey[] = L"4";

struct SliderRow {
  PointerSlider slider;
  const wchar_t* key;
  int id;
  bool snap;
  int heading;  // painted above it: its name
};
// The wheel lines (key 8) report as 203, the tilt speed (key 7) as 204.
constexpr SliderRow kSliders[] = {
    {PointerSlider::DoubleClick, L"5", 201, false, IDS_DOUBLE_CLICK_SPEED},
    {PointerSlider::PointerSpeed, L"6", 202, true, IDS_POINTER_SPEED},
    {PointerSlider::TiltSpeed, L"7", 204, true, IDS_TILT_SPEED},
    {PointerSlider::WheelLines, L"8", 203, true, IDS_WHEEL_LINES},
};

// Headings above the sliders, then the toggles' labels.
constexpr PaintedText kTexts[] = {
    {IDS_DOUBLE_CLICK_SPEED, {13, 10}, kSkinHeading}, {IDS_POINTER_SPEED, {13, 78}, kSkinHeading},
    {IDS_TILT_SPEED, {13, 141}, kSkinHeading},        {IDS_WHEEL_LINES, {13, 207}, kSkinHeading},
    {IDS_POINTER_PRECISION, {331, 98}, kSkinWhite},   {IDS_WHEEL_SCREEN, {331, 228}, kSkinWhite},
};

}  // namespace

const PageImageNames CSystemExDlg::kPictures = PageImageNames::InScreenSection(kLayout);

// A press on the background moves nothing: the sliders' page keeps still.
CSystemExDlg::CSystemExDlg(UINT templateId) : CSkinnedPage(templateId, kPictures, Drag::Nothing, Keys::Stopped) {}

void CSystemExDlg::CreateControls() {
  const IniSection layout = ReadButtonSection(SkinFolder() + kLayout);
  for (auto [button, key] : {std::pair{&acceleration_, kAccelerationKey}, {&wheelScreen_, kWheelScreenKey}})
    CreateSkinButton(*button, layout, key, Hwnd(), Images(), {.toggle = true, .layoutTooltip = true});
  acceleration_.OnClick([this] { OnAcceleration(); });
  wheelScreen_.OnClick([this] { OnWheelScreen(); });
  const std::wstring thumb = SkinFolder() + kThumb;
  for (const SliderRow& row : kSliders) {
    CClickHSlider& slider = Slider(row.slider);
    const PointerSliderRange range = RangeOf(row.slider);
    const auto moved = [this, which = row.slider](int position) { OnSliderMoved(which, position); };
    if (!slider.Create(thumb, Hwnd(), row.id, ToRect(ReadButtonInfo(layout, row.key).Rect),
                       {.min = range.min, .max = range.max, .snap = row.snap, .moved = moved}))
      continue;
    slider.SetTrackImage(Images().normal.Get());
    slider.SetPos(range.min);
  }
  NameControls();
}

void CSystemExDlg::NameControls() {
  for (const SliderRow& row : kSliders) SetWindowTextW(Slider(row.slider).Hwnd(), LanguageText(row.heading).c_str());
  acceleration_.SetAccessibleName(LanguageText(IDS_POINTER_PRECISION));
  wheelScreen_.SetAccessibleName(LanguageText(IDS_WHEEL_SCREEN));
}

void CSystemExDlg::ShowActiveProfile() {
  const ProfileRecord* active = ActiveProfile(WorkingSettings);
  if (!active) return;
  for (const SliderRow& row : kSliders) Slider(row.slider).SetPos(PositionOf(*active, row.slider));
  acceleration_.SetCheck(active->AccelerationFlag);
  wheelScreen_.SetCheck(active->ScrollWheelFlag);
}

void CSystemExDlg::RefreshTexts() {
  NameControls();
  InvalidateRect(Hwnd(), nullptr, FALSE);
  UpdateWindow(Hwnd());
}

void CSystemExDlg::OnSliderMoved(PointerSlider slider, int position) {
  ProfileRecord* active = ActiveProfile(WorkingSettings);
  if (!active) return;
  StorePosition(*active, slider, position);
  // The user feels the new double-click time while still choosing it.
  if (slider == PointerSlider::DoubleClick) SetDoubleClickTime(static_cast<UINT>(active->DbleClickSpeed));
}

void CSystemExDlg::OnAcceleration() {
  if (ProfileRecord* active = ActiveProfile(WorkingSettings)) StoreAcceleration(*active, acceleration_.Checked == 1);
}

void CSystemExDlg::OnWheelScreen() {
  if (ProfileRecord* active = ActiveProfile(WorkingSettings)) active->ScrollWheelFlag = wheelScreen_.Checked;
}

void CSystemExDlg::PaintContent(HDC dc) {
  SelectScope font(dc, SharedSkinFont(kPageFont));
  PaintLanguageTexts(dc, kTexts);
}
