#pragma once
// The main window's frame: its thirty skinned buttons, made from the frame
// table (layout key, caption, set-up and the click's action, a row each),
// what they show of the active profile, and the labels painted beside them.
#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_buttons.h"
#include "skin/bitmap_btn.h"
#include "skin/page_image_set.h"

class MainWindow;

class MainFrame {
 public:
  // The buttons of `window` from its layout, wired to their actions and
  // without their images yet; returns their layout.
  std::vector<SkinButtonInfo> Create(MainWindow& window, const IniSection& layout);
  void CutImages(const PageImageSet& images, const std::vector<SkinButtonInfo>& layout);

  void UpdateProfileBar();
  void UpdateLightEffectChoice();
  void UpdateColorChoice();
  // The lighting and colour buttons write the active profile.
  void ChooseLight(FrameButton button);
  void ChooseColour(FrameButton button);
  void CheckSettingsButton(bool checked);

  // The language code on its button and, until the next profile refresh,
  // the library's profile text on the profile bar.
  void ShowLanguage(std::wstring_view code);
  // Every caption and painted label of `window` in the current language.
  void ReloadCaptions(HWND window);
  void PaintLabels(HDC dc) const;

  HWND ButtonWindow(FrameButton button) const { return buttons_[button].Hwnd(); }

 private:
  void SetCaptionNow(FrameButton which, std::wstring_view text);
  // The buttons without caption named in the current language.
  void NameSpokenButtons();

  std::array<CBitmapBtn, kFrameButtonCount> buttons_;
};
