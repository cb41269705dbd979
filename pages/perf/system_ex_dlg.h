#pragma once
// The Windows pointer page: the pointer settings each profile carries into
// Windows (double-click time, pointer speed and acceleration, wheel lines
// or a screen per notch, tilt-wheel speed). It writes the active profile on
// every change and hands the double-click time to the system at once; the
// rest reaches Windows when the settings are applied.
#include <windows.h>

#include <array>

#include "model/pointer_positions.h"
#include "skin/bitmap_btn.h"
#include "skin/click_slider.h"
#include "skin/skinned_page.h"

class CSystemExDlg : public CSkinnedPage {
 public:
  explicit CSystemExDlg(UINT templateId);

  static const PageImageNames kPictures;

  // Every control from the active profile; writes nothing.
  void ShowActiveProfile() override;
  // The painted texts in the new language.
  void RefreshTexts() override;

  CClickHSlider& Slider(PointerSlider slider) { return sliders_[static_cast<std::size_t>(slider)]; }

 private:
  void CreateControls() override;
  // Each control by the text painted beside it.
  void NameControls();
  void PaintContent(HDC dc) override;
  void OnSliderMoved(PointerSlider slider, int position);
  void OnAcceleration();
  void OnWheelScreen();

  CBitmapBtn acceleration_;
  CBitmapBtn wheelScreen_;
  // In the order of PointerSlider.
  std::array<CClickHSlider, kPointerSliderCount> sliders_;
};
