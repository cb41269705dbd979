#pragma once
// One resolution level of the sensitivity page: a button that makes it the
// current level, a slider of its 20 positions and the resolution of the
// position as a number. It keeps only what it shows: every choice goes to
// its page as WM_DPI_LEVEL_CHANGED, and the page writes the profile and
// tells the rows what to show.
#include <windows.h>

#include <cstdint>
#include <functional>
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
  // What the page does with the row's choices, reported to it as
  // WM_DPI_LEVEL_CHANGED and handed back with DeliverDpiLevelChange: a new
  // position of the slider, a press of the level button.
  void OnLevelMoved(std::function<void(int position)> moved) { levelMoved_ = std::move(moved); }
  void OnCurrentPressed(std::function<void()> pressed) { currentPressed_ = std::move(pressed); }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  friend bool DeliverDpiLevelChange(HWND page, int kind, int value, int rowId);

  bool OnCreate(const CREATESTRUCTW& create);
  void OnPaint();
  bool OnEraseBkgnd(HDC dc);
  void OnSliderPos(int position, int sliderId);
  void OnSliderMoved(int position);
  void OnLevelButton();
  void NameParts();

  std::function<void(int)> levelMoved_;
  std::function<void()> currentPressed_;
};

// Hands a WM_DPI_LEVEL_CHANGED that `page` received to the row it came from,
// a child of `page` with that id; false when no row takes it.
bool DeliverDpiLevelChange(HWND page, int kind, int value, int rowId);

// The resolution shown for a level position.
std::wstring CpiText(int position);
