#include "skin/click_slider.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "framework/focus_order.h"
#include "skin/bitmap_btn.h"
#include "skin/skin_image.h"
#include "skin/slider_message.h"

namespace {

// A horizontal slider's keys, as the system's trackbar reads them.
struct KeyStep {
  UINT key;
  SliderStep step;
};
constexpr KeyStep kKeySteps[] = {
    {VK_LEFT, SliderStep::Back},        {VK_UP, SliderStep::Back},     {VK_RIGHT, SliderStep::Forward},
    {VK_DOWN, SliderStep::Forward},     {VK_PRIOR, SliderStep::PageBack}, {VK_NEXT, SliderStep::PageForward},
    {VK_HOME, SliderStep::First},       {VK_END, SliderStep::Last},
};

}  // namespace

const MessageMap& CClickHSlider::Messages() {
  static const MessageEntry entries[] = {
      msg::Create<&CClickHSlider::OnCreate>(),
      msg::Paint<&CClickHSlider::OnPaint>(),
      msg::EraseBkgnd<&CClickHSlider::OnEraseBkgnd>(),
      msg::Mouse<&CClickHSlider::OnLButtonUp>(WM_LBUTTONUP),
      msg::SliderPos<&CClickHSlider::OnThumbPos>(),
      msg::GetDlgCode<&CClickHSlider::OnGetDlgCode>(),
      msg::Key<&CClickHSlider::OnKeyDown>(WM_KEYDOWN),
      msg::Focus<&CClickHSlider::OnFocusChange>(WM_SETFOCUS),
      msg::Focus<&CClickHSlider::OnFocusChange>(WM_KILLFOCUS),
      msg::AccessibleClient(),
  };
  static const MessageMap map{&CWnd::Messages(), entries};
  return map;
}

bool CClickHSlider::Create(const std::wstring& thumbPath, HWND parent, int controlId, const RECT& rect,
                           CreateArgs args) {
  ControlId = controlId;
  Min = 0;
  Max = 10;
  ThumbImagePath = thumbPath;
  measured_ = LoadBmpFile(thumbPath);
  const SIZE size = BitmapSize(measured_.Get());
  if (size.cx <= 0) return false;
  ThumbWidth = size.cx;
  ThumbHeight = size.cy;
  TrackRect = rect;
  Parent = parent;
  const bool created = CreatePlainWindow(WS_CHILD | WS_VISIBLE, rect, parent, controlId);
  measured_.Reset();
  if (!created) return false;
  SetRange(args.min, args.max);
  if (args.snap) SetSnap();
  onMoved_ = std::move(args.moved);
  valueText_ = std::move(args.valueText);
  return true;
}

bool CClickHSlider::Create(const std::wstring& thumbPath, HWND parent, int controlId, const RECT& rect) {
  return Create(thumbPath, parent, controlId, rect, CreateArgs{});
}

void CClickHSlider::SetRange(int min, int max) {
  Min = Thumb.Min = min;
  Max = Thumb.Max = max;
}

void CClickHSlider::SetSnap() {
  RoundToNearest = 1;
  Thumb.Snap = 1;
}

void CClickHSlider::SetTrackImage(HBITMAP pagePicture) {
  CutImage(TrackImage, pagePicture, TrackRect.left, TrackRect.top, TrackRect.right, TrackRect.bottom);
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

bool CClickHSlider::OnCreate(const CREATESTRUCTW&) {
  // The thumb travels over the whole width, its top on the track's.
  const POINT end{TrackRect.right - TrackRect.left, TrackRect.bottom - TrackRect.top};
  Thumb.Create(ThumbImagePath, Hwnd(), ControlId, {0, 0}, end, std::move(measured_));
  Thumb.SetPos(0);
  Thumb.DragEnabled = 1;
  return Default() != -1;
}

void CClickHSlider::SetPos(int value) {
  Thumb.SetPos(value);
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CClickHSlider::OnPaint() {
  PaintDc paint(Hwnd());
  RECT client;
  GetClientRect(Hwnd(), &client);
  DrawImage(paint.Get(), TrackImage.Get(), client);
  if (ShowsFocusMark(Hwnd())) DrawFocusMark(paint.Get(), client, kSkinAccent);
}

bool CClickHSlider::OnEraseBkgnd(HDC) { return true; }

void CClickHSlider::OnLButtonUp(POINT at, UINT) {
  MapWindowPoints(Hwnd(), GetParent(Hwnd()), &at, 1);
  const SliderReading reading =
      ClickReading(at.x, TrackRect.left, TrackRect.right, {Min, Max}, RoundToNearest, Thumb.Value);
  TraceSliderReading(L"CclickHSlider=%f\n", reading.exact);
  Thumb.SetPos(reading.value);
  PostMessageW(Parent, WM_SLIDER_POS, static_cast<WPARAM>(reading.value), ControlId);
  Default();
}

void CClickHSlider::OnThumbPos(int position, int) {
  // The thumb's reports reach the page under the track's identifier.
  PostMessageW(Parent, WM_SLIDER_POS, static_cast<WPARAM>(position), ControlId);
}

UINT CClickHSlider::OnGetDlgCode() { return DLGC_WANTARROWS; }

void CClickHSlider::OnKeyDown(UINT key) {
  const auto row = std::ranges::find(kKeySteps, key, &KeyStep::key);
  if (row == std::end(kKeySteps)) {
    Default();
    return;
  }
  const int value = SteppedValue(row->step, Thumb.Value, {Min, Max});
  if (value == Thumb.Value) return;
  // The road of a click on the track: the thumb there, one report.
  Thumb.SetPos(value);
  PostMessageW(Parent, WM_SLIDER_POS, static_cast<WPARAM>(value), ControlId);
}

void CClickHSlider::OnFocusChange(HWND) {
  // The mark comes or goes; the track paints over its thumb's place, so the
  // thumb paints again too.
  RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  Default();
}

AccessibleFacts CClickHSlider::Describe() const {
  return {.role = AccessibleRole::Slider,
          .value = valueText_ ? valueText_(Thumb.Value) : std::to_wstring(Thumb.Value)};
}


bool DeliverSliderPos(HWND notified, int position, int sliderId) {
  auto* slider = dynamic_cast<CClickHSlider*>(CWnd::FromHandle(GetDlgItem(notified, sliderId)));
  if (!slider || !slider->onMoved_) return false;
  slider->onMoved_(position);
  return true;
}
