#include "skin/skin_scroll_bar.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "framework/gdi.h"

namespace {

constexpr UINT_PTR kDelayTimerId = 200;
constexpr UINT_PTR kRepeatTimerId = 100;
// Rows of the thumb's cell kept whole at each end; the rows between are
// repeated over the thumb's length.
constexpr int kThumbCap = 6;

// A memory context holding the skin for one drawing step: the skin is shared
// by both bars and the frame, and a bitmap is selected into one context at
// a time.
class SkinContext {
 public:
  SkinContext(HDC compatibleWith, HBITMAP skin) : dc_(compatibleWith), select_(dc_.Get(), skin) {}
  HDC Get() const { return dc_.Get(); }

 private:
  MemoryDc dc_;
  SelectScope select_;
};

bool IsArrow(int part) { return part == kLineUpPart || part == kLineDownPart; }

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Copies of a cell from the rectangle's top-left, the last row and column cut.
void Tile(HDC dc, const RECT& rect, HDC skin, int cellX, int cellY, int cellWidth, int cellHeight) {
  if (cellWidth <= 0 || cellHeight <= 0) return;
  for (LONG y = rect.top; y < rect.bottom; y += cellHeight) {
    for (LONG x = rect.left; x < rect.right; x += cellWidth) {
      BitBlt(dc, x, y, std::min<LONG>(cellWidth, rect.right - x), std::min<LONG>(cellHeight, rect.bottom - y), skin,
             cellX, cellY, SRCCOPY);
    }
  }
}

}  // namespace

const MessageMap& CSkinScrollBar::Messages() {
  static const MessageEntry entries[] = {
      msg::Paint<&CSkinScrollBar::OnPaint>(),
      msg::EraseBkgnd<&CSkinScrollBar::OnEraseBkgnd>(),
      msg::Enable<&CSkinScrollBar::OnEnable>(),
      msg::Size<&CSkinScrollBar::OnSize>(),
      msg::SetScrollInfo<&CSkinScrollBar::OnSetScrollInfo>(),
      msg::GetScrollInfo<&CSkinScrollBar::OnGetScrollInfo>(),
      msg::Mouse<&CSkinScrollBar::OnLButtonDown>(WM_LBUTTONDOWN),
      msg::Mouse<&CSkinScrollBar::OnLButtonDblClk>(WM_LBUTTONDBLCLK),
      msg::Mouse<&CSkinScrollBar::OnMouseMove>(WM_MOUSEMOVE),
      msg::MouseLeave<&CSkinScrollBar::OnMouseLeave>(),
      msg::Mouse<&CSkinScrollBar::OnLButtonUp>(WM_LBUTTONUP),
      msg::CaptureChanged<&CSkinScrollBar::OnCaptureChanged>(),
      msg::Timer<&CSkinScrollBar::OnTimer>(),
      msg::GetDlgCode<&CSkinScrollBar::OnGetDlgCode>(),
  };
  static const MessageMap map{&CScrollBar::Messages(), entries};
  return map;
}

bool CSkinScrollBar::Create(HWND parent, UINT id, bool vertical) {
  return CScrollBar::Create(WS_CHILD | (vertical ? SBS_VERT : SBS_HORZ), RECT{}, parent, id);
}

void CSkinScrollBar::PreSubclassWindow() {
  vertical_ = (GetWindowLongPtrW(Hwnd(), GWL_STYLE) & SBS_VERT) != 0;
}

void CSkinScrollBar::SetBitmap(HBITMAP skin) {
  skin_ = skin;
  const SIZE size = BitmapSize(skin);
  thickness_ = size.cx / 9;
  cellHeight_ = size.cy / 3;
  RECT place;
  GetWindowRect(Hwnd(), &place);
  MapWindowPoints(nullptr, GetParent(Hwnd()), reinterpret_cast<POINT*>(&place), 2);
  SetWindowPos(Hwnd(), nullptr, place.left, place.top, vertical_ ? thickness_ : Width(place),
               vertical_ ? Height(place) : thickness_, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

ScrollLayout CSkinScrollBar::Layout(bool forDrawing) const {
  return LayoutScrollBar(thickness_, length_, values_, forDrawing);
}

RECT CSkinScrollBar::SpanRect(ScrollSpan span) const {
  if (span.end < span.begin) span.end = span.begin;
  return vertical_ ? RECT{0, span.begin, thickness_, span.end} : RECT{span.begin, 0, span.end, thickness_};
}

RECT CSkinScrollBar::PartRect(const ScrollLayout& layout, int part) const {
  return SpanRect(layout.Span(part));
}

void CSkinScrollBar::Notify(int code, int position) {
  SendMessageW(GetParent(Hwnd()), vertical_ ? WM_VSCROLL : WM_HSCROLL,
               MAKEWPARAM(code, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(Hwnd()));
}

void CSkinScrollBar::DrawArrow(HDC dc, HDC skin, int part, State state) const {
  const RECT rect = PartRect(Layout(true), part);
  const int x = ScrollSkinColumn(part, !vertical_) * thickness_;
  const int y = state * cellHeight_;
  if (Width(rect) == thickness_ && Height(rect) == cellHeight_) {
    BitBlt(dc, rect.left, rect.top, thickness_, cellHeight_, skin, x, y, SRCCOPY);
    return;
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, Width(rect), Height(rect), skin, x, y, thickness_,
             std::max(cellHeight_ - 2, 1), SRCCOPY);
}

void CSkinScrollBar::DrawThumb(HDC dc, HDC skin, const RECT& rect, State state) const {
  if (IsRectEmpty(&rect)) return;
  const int t = thickness_;
  const int x = ScrollSkinColumn(kThumbPart, !vertical_) * t;
  const int y = state * cellHeight_;
  const int cap = std::min(kThumbCap, t / 2);
  if (vertical_) {
    BitBlt(dc, rect.left, rect.top, t, cap, skin, x, y, SRCCOPY);
    BitBlt(dc, rect.left, rect.bottom - cap, t, cap, skin, x, y + t - cap, SRCCOPY);
    Tile(dc, {rect.left, rect.top + cap, rect.right, rect.bottom - cap}, skin, x, y + cap, t, t - 2 * cap);
  } else {
    BitBlt(dc, rect.left, rect.top, cap, t, skin, x, y, SRCCOPY);
    BitBlt(dc, rect.right - cap, rect.top, cap, t, skin, x + t - cap, y, SRCCOPY);
    Tile(dc, {rect.left + cap, rect.top, rect.right - cap, rect.bottom}, skin, x + cap, y, t - 2 * cap, t);
  }
}

void CSkinScrollBar::TileTrack(HDC dc, HDC skin, const RECT& rect) const {
  Tile(dc, rect, skin, ScrollSkinColumn(kPageUpPart, !vertical_) * thickness_, 0, thickness_, thickness_);
}

void CSkinScrollBar::DrawScrollArea(HDC dc, HDC skin) const {
  const ScrollLayout layout = Layout(true);
  TileTrack(dc, skin, PartRect(layout, kPageUpPart));
  DrawThumb(dc, skin, PartRect(layout, kThumbPart), dragging_ ? kPressed : kNormal);
  TileTrack(dc, skin, PartRect(layout, kPageDownPart));
}

void CSkinScrollBar::DrawScrollAreaNow() {
  if (!HasSkin()) return;
  WindowDc dc(Hwnd());
  SkinContext skin(dc.Get(), skin_);
  DrawScrollArea(dc.Get(), skin.Get());
}

void CSkinScrollBar::DrawPartNow(int part, State state) {
  if (!HasSkin() || (!IsArrow(part) && part != kThumbPart)) return;
  WindowDc dc(Hwnd());
  SkinContext skin(dc.Get(), skin_);
  if (IsArrow(part)) {
    DrawArrow(dc.Get(), skin.Get(), part, state);
  } else {
    DrawThumb(dc.Get(), skin.Get(), PartRect(Layout(true), kThumbPart), state);
  }
}

void CSkinScrollBar::OnPaint() {
  if (!HasSkin()) {
    PaintDc paint(Hwnd());
    return;
  }
  PaintBuffered(Hwnd(), [&](HDC dc) {
    SkinContext skin(dc, skin_);
    const ScrollLayout layout = Layout(true);
    // The arrows from the top square of their normal cell.
    const int t = thickness_;
    SetStretchBltMode(dc, COLORONCOLOR);
    for (int part : {kLineUpPart, kLineDownPart}) {
      const RECT rect = PartRect(layout, part);
      StretchBlt(dc, rect.left, rect.top, Width(rect), Height(rect), skin.Get(),
                 ScrollSkinColumn(part, !vertical_) * t, 0, t, t, SRCCOPY);
    }
    DrawScrollArea(dc, skin.Get());
  });
}

bool CSkinScrollBar::OnEraseBkgnd(HDC) { return true; }

void CSkinScrollBar::OnEnable(bool) {
  // The system bar would paint its own look here.
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CSkinScrollBar::OnSize(SIZE size) {
  length_ = vertical_ ? size.cy : size.cx;
  Default();
}

int CSkinScrollBar::OnSetScrollInfo(const SCROLLINFO& info, bool redraw) {
  if (info.fMask & SIF_PAGE) values_.page = info.nPage;
  if (info.fMask & SIF_POS) values_.pos = info.nPos;
  if (info.fMask & SIF_RANGE) {
    values_.min = info.nMin;
    values_.max = info.nMax;
  }
  if (redraw) DrawScrollAreaNow();
  return 1;
}

void CSkinScrollBar::OnGetScrollInfo(SCROLLINFO& info) {
  if (info.fMask & SIF_PAGE) info.nPage = values_.page;
  if (info.fMask & SIF_POS) info.nPos = values_.pos;
  if (info.fMask & SIF_TRACKPOS) info.nTrackPos = values_.trackPos;
  if (info.fMask & SIF_RANGE) {
    info.nMin = values_.min;
    info.nMax = values_.max;
  }
}

void CSkinScrollBar::OnLButtonDown(POINT point, UINT) {
  const int part = HitTestScrollBar(Layout(false), Along(point));
  if (part == kNoScrollPart) return;
  SetCapture(Hwnd());
  if (part == kThumbPart) {
    dragStartPoint_ = point;
    dragging_ = true;
    values_.trackPos = dragStartPos_ = values_.pos;
    return;
  }
  pressedPart_ = part;
  pointerOutside_ = false;
  DrawPartNow(part, kPressed);
  Notify(part);
  repeat_.Start(Hwnd(), kDelayTimerId, kRepeatDelayMs);
}

// A second quick press is no double click: the system bar's own would act.
void CSkinScrollBar::OnLButtonDblClk(POINT, UINT) {}

void CSkinScrollBar::OnTimer(UINT_PTR id) {
  if (id == kDelayTimerId) {
    repeat_.Start(Hwnd(), kRepeatTimerId, kRepeatRateMs);
    RepeatTick();
  } else if (id == kRepeatTimerId) {
    RepeatTick();
  } else {
    Default();
  }
}

void CSkinScrollBar::RepeatTick() {
  if (pressedPart_ == kNoScrollPart || pointerOutside_) return;
  bool done = false;
  if (pressedPart_ == kLineUpPart) {
    done = values_.pos == values_.min;
  } else if (pressedPart_ == kLineDownPart) {
    done = values_.pos == values_.max;
  } else {
    // Paging stops once the thumb has come under the pointer.
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(Hwnd(), &pointer);
    const RECT thumb = PartRect(Layout(false), kThumbPart);
    done = PtInRect(&thumb, pointer);
  }
  if (done) {
    repeat_.Stop();
  } else {
    Notify(pressedPart_);
  }
}

void CSkinScrollBar::OnMouseMove(POINT point, UINT) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Hwnd(), 0};
    tracking_ = TrackMouseEvent(&track);
  }
  if (dragging_) {
    MoveThumb(point);
  } else if (pressedPart_ != kNoScrollPart) {
    const RECT part = PartRect(Layout(false), pressedPart_);
    const bool outside = !PtInRect(&part, point);
    if (outside != pointerOutside_) {
      pointerOutside_ = outside;
      DrawPartNow(pressedPart_, outside ? kNormal : kPressed);
    }
  } else {
    Hover(point);
  }
}

void CSkinScrollBar::MoveThumb(POINT point) {
  const int position =
      ThumbDragPosition(Layout(false), values_, dragStartPos_, Along(point) - Along(dragStartPoint_));
  if (position == values_.trackPos) return;
  const ScrollSpan before = Layout(true).Span(kThumbPart);
  values_.trackPos = position;
  const ScrollSpan after = Layout(true).Span(kThumbPart);
  if (HasSkin()) {
    WindowDc dc(Hwnd());
    SkinContext skin(dc.Get(), skin_);
    // Only the strip the thumb uncovered, then the thumb at its new place.
    const ScrollSpan uncovered = after.begin > before.begin
                                     ? ScrollSpan{before.begin, std::min(before.end, after.begin)}
                                     : ScrollSpan{std::max(after.end, before.begin), before.end};
    TileTrack(dc.Get(), skin.Get(), SpanRect(uncovered));
    DrawThumb(dc.Get(), skin.Get(), SpanRect(after), kPressed);
  }
  Notify(SB_THUMBTRACK, position);
}

void CSkinScrollBar::Hover(POINT point) {
  const int part = HitTestScrollBar(Layout(false), Along(point));
  if (part == hotPart_) return;
  DrawPartNow(hotPart_, kNormal);
  DrawPartNow(part, kHover);
  hotPart_ = part;
}

void CSkinScrollBar::OnMouseLeave() {
  tracking_ = false;
  if (!dragging_ && pressedPart_ == kNoScrollPart) Hover({-1, -1});
}

void CSkinScrollBar::OnLButtonUp(POINT, UINT) { EndPress(); }

void CSkinScrollBar::OnCaptureChanged(HWND taker) {
  // Taken by another window mid-press: no release will come, so the repeat
  // or the drag ends here rather than run on.
  if (taker != Hwnd()) EndPress();
}

void CSkinScrollBar::EndPress() {
  // The state is cleared before the capture goes, so the capture change
  // this causes finds nothing left to end.
  if (dragging_) {
    dragging_ = false;
    if (GetCapture() == Hwnd()) ReleaseCapture();
    Notify(SB_THUMBPOSITION, values_.trackPos);
    // The parent's answer has set the position; where it differs from the
    // drag's, the thumb is drawn again where it now is.
    const bool differs = values_.trackPos != values_.pos;
    values_.trackPos = -1;
    if (differs) DrawScrollAreaNow();
  } else if (pressedPart_ != kNoScrollPart) {
    const int part = std::exchange(pressedPart_, kNoScrollPart);
    repeat_.Stop();
    pointerOutside_ = false;
    if (GetCapture() == Hwnd()) ReleaseCapture();
    DrawPartNow(part, kNormal);
  } else {
    return;
  }
  // The next move lights whatever is under the pointer then.
  hotPart_ = kNoScrollPart;
}

UINT CSkinScrollBar::OnGetDlgCode() {
  // Not a stop of Tab: the list it scrolls takes the keys.
  return 0;
}
