#include "pages/perf/dpi_setting_wnd.h"

#include "app/language.h"
#include "app/messages.h"
#include "skin/slider_message.h"
#include "model/sensor_options.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

namespace {

// The children's places in the row.
constexpr RECT kButtonRect{0, 5, 105, 25};
constexpr RECT kSliderRect{110, 5, 378, 25};
constexpr RECT kLabelRect{401, 13, 468, 31};
constexpr RECT kCaptionRect{4, 0, 105, 20};
// The caption of row ControlId is this text.
constexpr int kCaptionTextOffset = 906;
constexpr COLORREF kCaptionHoverColour = 0x746E45;
constexpr wchar_t kThumb[] = L"scroll_arrow_down.bmp";

}  // namespace

std::wstring CpiText(int position) { return std::to_wstring(LevelResolution(position)); }

const MessageMap& CDpiSettingWnd::Messages() {
  static const MessageEntry entries[] = {
      msg::Create<&CDpiSettingWnd::OnCreate>(),
      msg::Paint<&CDpiSettingWnd::OnPaint>(),
      msg::EraseBkgnd<&CDpiSettingWnd::OnEraseBkgnd>(),
      msg::SliderPos<&CDpiSettingWnd::OnSliderPos>(),
  };
  static const MessageMap map{&CWnd::Messages(), entries};
  return map;
}

bool CDpiSettingWnd::Create(const RECT& rect, HWND parent, int controlId) {
  ControlId = controlId;
  Parent = parent;
  // Its children paint themselves: the row's own repaint leaves them be.
  return CreatePlainWindow(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent, static_cast<UINT>(controlId));
}

bool CDpiSettingWnd::OnCreate(const CREATESTRUCTW&) {
  LevelButton.Create(kButtonRect, Hwnd(),
                     {.role = AccessibleRole::RadioButton,
                      .font = kPageFont,
                      .leftCaption = true,
                      .captionBox = kCaptionRect,
                      .textColor = kSkinHeading,
                      .hoverTextColor = kCaptionHoverColour,
                      .disabledTextColor = kSkinHeading,
                      .pressedTextColor = kSkinAccent});
  LevelButton.SetCaption(LanguageText(ControlId + kCaptionTextOffset));
  LevelButton.OnClick([this] { OnLevelButton(); });
  LevelSlider.Create(SkinFolder() + kThumb, Hwnd(), kSliderId, kSliderRect,
                     {.min = kLevelFirstPosition,
                      .max = kLevelLastPosition,
                      .snap = true,
                      .moved = [this](int position) { OnSliderMoved(position); },
                      .valueText = CpiText});
  LevelLabel.Create(kLabelRect, Hwnd());
  NameParts();
  return Default() != -1;
}

void CDpiSettingWnd::SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP fourth, const RECT& rect) {
  const std::pair<GdiBitmap*, HBITMAP> images[] = {
      {&RowImageNormal, normal}, {&RowImageOver, over}, {&RowImageDown, down}, {&RowImageFourth, fourth}};
  for (auto [target, source] : images) CutImage(*target, source, rect.left, rect.top, rect.right, rect.bottom);
  LevelButton.SetImages(RowImageNormal.Get(), RowImageOver.Get(), RowImageDown.Get(), RowImageFourth.Get(),
                        kButtonRect);
  LevelButton.SetCheck(0);
  LevelSlider.SetTrackImage(RowImageNormal.Get());
}

void CDpiSettingWnd::SetLevel(int position) {
  Level = position;
  LevelSlider.SetPos(position);
  LevelLabel.SetText(CpiText(position));
}

void CDpiSettingWnd::SetEnabled(bool enabled) {
  Enabled = enabled ? 1 : 0;
  for (HWND child : {LevelButton.Hwnd(), LevelSlider.Hwnd(), LevelLabel.Hwnd()})
    if (child) EnableWindow(child, enabled);
}

void CDpiSettingWnd::SetCurrent(bool current) {
  IsCurrent = current ? 1 : 0;
  LevelButton.SetCheck(IsCurrent);
  // A row never made has nothing to redraw; a null handle would redraw the desktop.
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CDpiSettingWnd::RefreshCaption() {
  LevelButton.SetCaption(LanguageText(ControlId + kCaptionTextOffset));
  if (LevelButton.Hwnd()) InvalidateRect(LevelButton.Hwnd(), nullptr, FALSE);
  NameParts();
}

void CDpiSettingWnd::NameParts() {
  // The row and its slider take the level's caption as their name.
  for (HWND part : {Hwnd(), LevelSlider.Hwnd()}) SetWindowTextW(part, LevelButton.Caption.c_str());
}

void CDpiSettingWnd::OnPaint() {
  PaintDc paint(Hwnd());
  RECT client;
  GetClientRect(Hwnd(), &client);
  DrawImage(paint.Get(), IsCurrent ? RowImageDown.Get() : RowImageNormal.Get(), client);
}

bool CDpiSettingWnd::OnEraseBkgnd(HDC) { return true; }

void CDpiSettingWnd::OnSliderPos(int position, int sliderId) { DeliverSliderPos(Hwnd(), position, sliderId); }

void CDpiSettingWnd::OnSliderMoved(int position) {
  // A drag repeats its position; the page hears each new one once.
  if (position == Level) return;
  Level = position;
  LevelLabel.SetText(CpiText(position));
  PostMessageW(Parent, WM_DPI_LEVEL_CHANGED, DpiLevelParam(kDpiLevelPosition, static_cast<WPARAM>(position)),
               ControlId);
}

void CDpiSettingWnd::OnLevelButton() {
  // A normal button: only the page checks it.
  IsCurrent = LevelButton.Checked ? 1 : 0;
  PostMessageW(Parent, WM_DPI_LEVEL_CHANGED, DpiLevelParam(kDpiLevelCurrent, IsCurrent), ControlId);
}

bool DeliverDpiLevelChange(HWND page, int kind, int value, int rowId) {
  auto* row = dynamic_cast<CDpiSettingWnd*>(CWnd::FromHandle(GetDlgItem(page, rowId)));
  if (!row) return false;
  if (kind == kDpiLevelPosition && row->levelMoved_) row->levelMoved_(value);
  if (kind == kDpiLevelCurrent && row->currentPressed_) row->currentPressed_();
  return true;
}
