#pragma once
// One resolution level of the sensitivity page: a button that makes it the
// current level, a slider of its 20 positions and the resolution of the
// position as a number. It keeps only what it shows: every choice goes to
// its page as WM_DPI_LEVEL_CHANGED, and the page writes the profile and
// tells the rows what to show.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/gdi.h"
#include "framework/window.h"
#include "skin/bitmap_btn.h"
#include "skin/click_slider.h"
#include "skin/text_label.h"

class CDpiSettingWnd : public CWnd {
 public:
  int ControlId = 0;
  GdiBitmap RowImageNormal;
  GdiBitmap RowImageOver;
  GdiBitmap RowImageDown;
  GdiBitmap RowImageFourth;
  int Level = 8;
  std::uint8_t Enabled = 1;
  std::uint8_t IsCurrent = 0;
  HWND Parent = nullptr;
  CBitmapBtn LevelButton;
  CClickHSlider LevelSlider;
  CTextLabel LevelLabel;

  static constexpr int kSliderId = 300;

  // Makes the row at `rect` of `parent`, which it reports to as
  // `controlId`; the caption is the language text ControlId + 906.
  bool Create(const RECT& rect, HWND parent, int controlId);
  // Cuts the row's pictures out of the page's at `rect` (page coordinates)
  // and gives the button and the track theirs.
  void SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP fourth, const RECT& rect);
  // These show a profile and post nothing.
  void SetLevel(int position);
  void SetEnabled(bool enabled);
  void SetCurrent(bool current);
  // The caption fetched again after a language change.
  void RefreshCaption();

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
  LRESULT OnSliderPos(WPARAM wParam, LPARAM lParam);
  void OnLevelButton();
};

// The resolution shown for a level position.
std::wstring CpiText(int position);
