#pragma once
// A scroll bar drawn entirely from one skin bitmap of 9 x 3 cells (columns:
// the vertical bar's up arrow, down arrow, thumb, track, the horizontal
// bar's four likewise, the frame's corners; rows: normal, hover, pressed).
// It keeps its own scroll information, tests its own hits, lights the part
// under the pointer, drags its thumb and repeats a held arrow or track, and
// reports to its parent with WM_VSCROLL / WM_HSCROLL as a system bar does.
#include <windows.h>

#include "framework/handles.h"
#include "framework/window.h"
#include "skin/scroll_geometry.h"

class CSkinScrollBar : public CScrollBar {
 public:
  // An empty bar; its skin gives it its thickness.
  bool Create(HWND parent, UINT id, bool vertical);
  // The skin is not owned: it belongs to whoever loaded it.
  void SetBitmap(HBITMAP skin);

  const ScrollValues& Values() const { return values_; }
  bool Dragging() const { return dragging_; }
  int HotPart() const { return hotPart_; }
  int Thickness() const { return thickness_; }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

  // The press repeats after this delay, then at this rate.
  static constexpr UINT kRepeatDelayMs = 500;
  static constexpr UINT kRepeatRateMs = 100;

 protected:
  void PreSubclassWindow() override;

 private:
  enum State { kNormal = 0, kHover = 1, kPressed = 2 };

  void OnPaint();
  bool OnEraseBkgnd(HDC dc);
  void OnEnable(bool enabled);
  void OnSize(SIZE size);
  int OnSetScrollInfo(const SCROLLINFO& info, bool redraw);
  void OnGetScrollInfo(SCROLLINFO& info);
  void OnLButtonDown(POINT at, UINT keys);
  void OnLButtonDblClk(POINT at, UINT keys);
  void OnMouseMove(POINT at, UINT keys);
  void OnMouseLeave();
  void OnLButtonUp(POINT at, UINT keys);
  void OnCaptureChanged(HWND taker);
  UINT OnGetDlgCode();
  void OnTimer(UINT_PTR id);

  bool HasSkin() const { return skin_ && thickness_ > 0 && cellHeight_ > 0; }
  ScrollLayout Layout(bool forDrawing) const;
  int Along(POINT point) const { return vertical_ ? point.y : point.x; }
  RECT PartRect(const ScrollLayout& layout, int part) const;
  RECT SpanRect(ScrollSpan span) const;
  void Notify(int code, int position = 0);

  // Drawing, from a memory context holding the skin.
  void DrawArrow(HDC dc, HDC skin, int part, State state) const;
  void DrawThumb(HDC dc, HDC skin, const RECT& rect, State state) const;
  void TileTrack(HDC dc, HDC skin, const RECT& rect) const;
  // A part drawn in a state at once, through the bar's own context.
  void DrawPartNow(int part, State state);
  // The track and thumb as they stand now.
  void DrawScrollArea(HDC dc, HDC skin) const;
  void DrawScrollAreaNow();

  void RepeatTick();
  void Hover(POINT point);
  void MoveThumb(POINT point);
  // The press or drag ends: at the release, or when the capture is lost.
  void EndPress();

  HBITMAP skin_ = nullptr;
  bool vertical_ = false;
  int thickness_ = 0;
  int cellHeight_ = 0;
  int length_ = 0;
  ScrollValues values_;
  bool dragging_ = false;
  POINT dragStartPoint_{};
  int dragStartPos_ = 0;
  int pressedPart_ = kNoScrollPart;
  int hotPart_ = kNoScrollPart;
  bool pointerOutside_ = false;
  bool tracking_ = false;
  WindowTimer repeat_;
};
