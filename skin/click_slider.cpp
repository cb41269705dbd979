#include "skin/click_slider.h"

#include <windowsx.h>

#include <utility>

#include "skin/bitmap_btn.h"
#include "skin/skin_image.h"
#include "skin/slider_message.h"

const MessageMap& CClickHSlider::Messages() {
  static const MessageEntry entries[] = {
      OnMessage(WM_CREATE, &CClickHSlider::OnCreate),
      OnMessage(WM_PAINT, &CClickHSlider::OnPaint),
      OnMessage(WM_ERASEBKGND, &CClickHSlider::OnEraseBkgnd),
      OnMessage(WM_LBUTTONUP, &CClickHSlider::OnLButtonUp),
      OnMessage(WM_SLIDER_POS, &CClickHSlider::OnSliderPos),
  };
  static const MessageMap map{&CWnd::Messages(), entries};
  return map;
}

bool CClickHSlider::Create(const std::wstring& thumbPath, HWND parent, int controlId, const RECT& rect) {
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
  return created;
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

LRESULT CClickHSlider::OnCreate(WPARAM, LPARAM) {
  // The thumb travels over the whole width, its top on the track's.
  const POINT end{TrackRect.right - TrackRect.left, TrackRect.bottom - TrackRect.top};
  Thumb.Create(ThumbImagePath, Hwnd(), ControlId, {0, 0}, end, std::move(measured_));
  Thumb.SetPos(0);
  Thumb.DragEnabled = 1;
  return Default();
}

void CClickHSlider::SetPos(int value) {
  Thumb.SetPos(value);
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

LRESULT CClickHSlider::OnPaint(WPARAM, LPARAM) {
  PaintDc paint(Hwnd());
  RECT client;
  GetClientRect(Hwnd(), &client);
  DrawImage(paint.Get(), TrackImage.Get(), client);
  return 0;
}

LRESULT CClickHSlider::OnEraseBkgnd(WPARAM, LPARAM) {
  return TRUE;
}

LRESULT CClickHSlider::OnLButtonUp(WPARAM, LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  MapWindowPoints(Hwnd(), GetParent(Hwnd()), &at, 1);
  const SliderReading reading =
      ClickReading(at.x, TrackRect.left, TrackRect.right, {Min, Max}, RoundToNearest, Thumb.Value);
  TraceSliderReading(L"CclickHSlider=%f\n", reading.exact);
  Thumb.SetPos(reading.value);
  PostMessageW(Parent, WM_SLIDER_POS, static_cast<WPARAM>(reading.value), ControlId);
  return Default();
}

LRESULT CClickHSlider::OnSliderPos(WPARAM wParam, LPARAM) {
  // The thumb's reports reach the page under the track's identifier.
  PostMessageW(Parent, WM_SLIDER_POS, wParam, ControlId);
  return 0;
}
