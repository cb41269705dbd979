#include "skin/ph_slider.h"

#include <windowsx.h>

#include <cwchar>
#include <iterator>
#include <utility>

#include "skin/skin_image.h"
#include "skin/slider_message.h"

AccessibleFacts CPHSlider::Describe() const {
  return {.role = AccessibleRole::Indicator, .name = WindowText(GetParent(Hwnd()))};
}


void TraceSliderReading(const wchar_t* format, float exact) {
  wchar_t line[64];
  std::swprintf(line, std::size(line), format, static_cast<double>(exact));
  OutputDebugStringW(line);
}

const MessageMap& CPHSlider::Messages() {
  static const MessageEntry entries[] = {
      msg::Paint<&CPHSlider::OnPaint>(),
      msg::EraseBkgnd<&CPHSlider::OnEraseBkgnd>(),
      msg::Mouse<&CPHSlider::OnLButtonDown>(WM_LBUTTONDOWN),
      msg::Mouse<&CPHSlider::OnMouseMove>(WM_MOUSEMOVE),
      msg::Mouse<&CPHSlider::OnLButtonUp>(WM_LBUTTONUP),
      msg::CaptureChanged<&CPHSlider::OnCaptureChanged>(),
      msg::AccessibleClient(),
  };
  static const MessageMap map{&CWnd::Messages(), entries};
  return map;
}

bool CPHSlider::Create(const std::wstring& thumbPath, HWND parent, int controlId, POINT trackStart, POINT trackEnd,
                       GdiBitmap picture) {
  ControlId = controlId;
  DragEnabled = 1;
  Min = 0;
  Max = 10;
  Dragging = 0;
  ThumbImagePath = thumbPath;
  TrackStart = trackStart;
  TrackEnd = trackEnd;
  Parent = parent;
  ThumbImage = picture ? std::move(picture) : LoadBmpFile(thumbPath);
  if (!ThumbImage) return false;
  const SIZE size = BitmapSize(ThumbImage.Get());
  ThumbWidth = size.cx;
  ThumbHeight = size.cy;
  const POINT at{trackStart.x - ThumbWidth / 2, trackStart.y - ThumbHeight / 2};
  if (!CreatePlainWindow(WS_CHILD | WS_VISIBLE | WS_TABSTOP, {at.x, at.y, at.x + ThumbWidth, at.y + ThumbHeight},
                         parent, 0, WS_EX_TRANSPARENT))
    return false;
  // The window owns its shape from here on.
  if (GdiRegion shape = RegionFromImage(ThumbImage.Get())) SetWindowRgn(Hwnd(), shape.Release(), TRUE);
  return true;
}

void CPHSlider::SetPos(int value) {
  Value = ClampToRange(value, Range());
  if (!Hwnd()) return;
  MoveTo(ThumbLeftFor(Value, Range(), Travel()));
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

int CPHSlider::Left() const {
  RECT rect;
  GetWindowRect(Hwnd(), &rect);
  MapWindowPoints(nullptr, GetParent(Hwnd()), reinterpret_cast<POINT*>(&rect), 2);
  return rect.left;
}

void CPHSlider::MoveTo(int left) {
  MoveWindow(Hwnd(), left, TrackStart.y, ThumbWidth, ThumbHeight, TRUE);
}

void CPHSlider::Report(int value) {
  PostMessageW(Parent, WM_SLIDER_POS, static_cast<WPARAM>(value), ControlId);
}

void CPHSlider::OnPaint() {
  PaintBuffered(Hwnd(), [&](HDC canvas) {
    MemoryDc source(canvas);
    SelectScope select(source.Get(), ThumbImage.Get());
    BitBlt(canvas, 0, 0, ThumbWidth, ThumbHeight, source.Get(), 0, 0, SRCCOPY);
  });
}

bool CPHSlider::OnEraseBkgnd(HDC) { return true; }

void CPHSlider::OnLButtonDown(POINT at, UINT) {
  if (DragEnabled) {
    SetCapture(Hwnd());
    DragStart = at;
    Dragging = 1;
  }
  Default();
}

void CPHSlider::OnMouseMove(POINT at, UINT) {
  if (!Dragging) {
    Default();
    return;
  }
  // The thumb moves under the pointer, so the press point stays put in
  // the thumb's own coordinates.
  const int left = Left();
  const int dx = ClampDrag(at.x - DragStart.x, left, Travel());
  if (dx) MoveTo(left + dx);
  Value = DragValue(left + dx, Range(), Travel(), Value);
  Report(Value);
}

void CPHSlider::OnLButtonUp(POINT, UINT) {
  Dragging = 0;
  if (GetCapture() == Hwnd()) ReleaseCapture();
  const SliderReading reading = ReleaseReading(Left(), Range(), Travel(), Snap, Value);
  TraceSliderReading(L"CPHSlider=%f\n", reading.exact);
  Value = reading.value;
  Report(Value);
  if (Snap) {
    MoveTo(ThumbLeftFor(Value, Range(), Travel()));
    InvalidateRect(Hwnd(), nullptr, TRUE);
  }
}

void CPHSlider::OnCaptureChanged(HWND taker) {
  // A drag whose capture another window took would otherwise go on
  // following the pointer with no button held.
  if (taker != Hwnd()) Dragging = 0;
  Default();
}
