#pragma once
// The slider's thumb: a small child window of its track, shaped like its
// BMP picture (the picture's top-left colour is cut away), which the user
// drags along the track. It posts WM_SLIDER_POS (value, ControlId) to the
// track on every move of a drag and once more on the release.
#include <windows.h>

#include <string>

#include "framework/gdi.h"
#include "framework/window.h"
#include "skin/accessible_control.h"
#include "skin/slider_math.h"

class CPHSlider : public CWnd, public AccessibleSource {
 public:
  int ControlId = 0;
  GdiBitmap ThumbImage;
  int ThumbWidth = 0;
  int ThumbHeight = 0;
  int Dragging = 0;
  std::wstring ThumbImagePath;
  POINT TrackStart{0, 0};
  POINT TrackEnd{0, 0};
  POINT DragStart{0, 0};
  HWND Parent = nullptr;
  int Min = 0;
  int Max = 10;
  int DragEnabled = 1;
  int Value = 0;
  int Snap = 0;

  // Loads the picture (unless its loaded copy is given) and makes the
  // thumb, centred on `trackStart`, in `parent`'s client coordinates;
  // nothing when the picture cannot be read.
  bool Create(const std::wstring& thumbPath, HWND parent, int controlId, POINT trackStart, POINT trackEnd,
              GdiBitmap picture = {});

  // Stores `value` (clamped) and moves the thumb to it; posts nothing.
  void SetPos(int value);

  // The slider's part that moves, named after its track.
  AccessibleFacts Describe() const override;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  void OnPaint();
  bool OnEraseBkgnd(HDC dc);
  void OnLButtonDown(POINT at, UINT keys);
  void OnMouseMove(POINT at, UINT keys);
  void OnLButtonUp(POINT at, UINT keys);
  void OnCaptureChanged(HWND taker);

  SliderRange Range() const { return {Min, Max}; }
  ThumbTravel Travel() const { return {TrackStart.x, TrackEnd.x, ThumbWidth}; }
  // The thumb's left edge in the parent's client coordinates.
  int Left() const;
  void MoveTo(int left);
  void Report(int value);
};

// Writes an exact slider reading to the debugger output with `format`.
void TraceSliderReading(const wchar_t* format, float exact);
