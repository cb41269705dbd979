#pragma once
// The sensitivity page: the X and Y sensitivity (locked together or not),
// the four resolution levels with the current one, the report rate and the
// OTG speed of the active profile. It holds no copy of the settings: every
// control shows, and every handler writes, the active profile of
// WorkingSettings; sending them to the mouse is the main window's apply.
#include <windows.h>

#include <array>

#include "model/sensor_options.h"
#include "pages/perf/dpi_setting_wnd.h"
#include "skin/bitmap_btn.h"
#include "skin/click_slider.h"
#include "skin/skinned_page.h"

class CSensExDlg : public CSkinnedPage {
 public:
  explicit CSensExDlg(UINT templateId);

  static const PageImageNames kPictures;
  static constexpr int kSensitivityXId = 201;
  static constexpr int kSensitivityYId = 202;
  static constexpr int kOtgSpeedId = 301;
  static constexpr int kFirstLevelId = 500;

  // Every control from the active profile; writes and posts nothing.
  void ShowActiveProfile() override;
  // The level captions and the painted texts in the new language.
  void RefreshTexts() override;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  void CreateControls() override;
  // Each control by the text painted beside it.
  void NameControls();
  void PaintContent(HDC dc) override;
  void OnDpiLevelChanged(int kind, int value, int rowId);
  void OnSync();
  void OnPollingRate(int rate);
  void OnSensitivityX(int position);
  void OnSensitivityY(int position);
  void OnSensitivity(SensitivityAxis axis, int position);
  void OnOtgSpeed(int speed);
  void OnLevelMoved(int level, int position);
  void OnCurrentLevel(int level);
  void ShowCurrentLevel(int level);
  void ShowPollingRate(int rate);

  CBitmapBtn sync_;
  CClickHSlider sensX_;
  CClickHSlider sensY_;
  std::array<CDpiSettingWnd, kEditableLevels> levels_;
  std::array<CBitmapBtn, kPollingRateChoices> polling_;
  CClickHSlider otg_;
};
