#pragma once
// The skinned horizontal slider: a track that shows the strip of its
// page's picture lying under it and hosts its thumb (CPHSlider). A click on
// the track moves the thumb there; a drag of the thumb moves it along. The
// page receives WM_SLIDER_POS (value, ControlId) for both, a stream during
// a drag and a final value on release, under the track's identifier. With
// the focus, the arrow keys, PageUp/PageDown and Home/End move it the same
// way, a report each.
//
// After Create the owner sets the range (and snapping) and fills the
// track's picture from its own normal picture (SetTrackImage). Its name,
// for a screen reader, is its window text: the label painted beside it.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/gdi.h"
#include "framework/window.h"
#include "skin/accessible_control.h"
#include "skin/ph_slider.h"

class CClickHSlider : public CWnd, public AccessibleSource {
 public:
  int ControlId = 0;
  GdiBitmap TrackImage;
  int ThumbWidth = 0;
  int ThumbHeight = 0;
  std::wstring ThumbImagePath;
  RECT TrackRect{0, 0, 0, 0};
  HWND Parent = nullptr;
  int Min = 0;
  int Max = 10;
  int RoundToNearest = 0;
  CPHSlider Thumb;

  // Its range, whether a release snaps to the nearest value, and what the
  // owner does with each position it reports (its notify window hands its
  // WM_SLIDER_POS back with DeliverSliderPos).
  struct CreateArgs {
    int min = 0;
    int max = 10;
    bool snap = false;
    std::function<void(int position)> moved{};
    // What a screen reader hears as the value at a position; none: the position.
    std::function<std::wstring(int position)> valueText{};
  };
  // Makes the track at `rect` of `parent` with its thumb at the left end;
  // nothing when the thumb picture cannot be read.
  bool Create(const std::wstring& thumbPath, HWND parent, int controlId, const RECT& rect, CreateArgs args);
  bool Create(const std::wstring& thumbPath, HWND parent, int controlId, const RECT& rect);

  // The same range on the track and its thumb; the owner keeps max > min.
  void SetRange(int min, int max);
  // Clicks round to the nearest value; a release puts the thumb on it.
  void SetSnap();
  // The thumb to `value`, the track drawn again under it; posts nothing.
  void SetPos(int value);
  // Cuts the track's picture out of the page's picture at TrackRect.
  void SetTrackImage(HBITMAP pagePicture);

  AccessibleFacts Describe() const override;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  friend bool DeliverSliderPos(HWND notified, int position, int sliderId);

  bool OnCreate(const CREATESTRUCTW& create);
  void OnPaint();
  bool OnEraseBkgnd(HDC dc);
  void OnLButtonUp(POINT at, UINT keys);
  void OnThumbPos(int position, int thumbId);
  UINT OnGetDlgCode();
  void OnKeyDown(UINT key);
  void OnFocusChange(HWND other);

  std::function<void(int)> onMoved_;
  std::function<std::wstring(int)> valueText_;

  // The thumb picture from its measuring to the thumb's creation: each
  // load of it is a file opened and mapped again.
  GdiBitmap measured_;
};

// Hands a WM_SLIDER_POS that `notified` received to the slider it came from,
// a child of `notified` with that id; false when no such slider takes it.
bool DeliverSliderPos(HWND notified, int position, int sliderId);
