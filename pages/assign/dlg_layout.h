#pragma once
// The mouse picture: one hot spot per programmable button. A click selects
// the button, shows the name of its factory function and tells the main
// window, which opens the page of its current function. The page never
// writes a button record.
#include <windows.h>

#include <array>

#include "model/settings_record.h"
#include "skin/bitmap_btn.h"
#include "skin/skinned_page.h"

class CDlgLayout : public CSkinnedPage {
 public:
  explicit CDlgLayout(UINT templateId);

  static const PageImageNames kPictures;

  // The fifteen labels from the language library.
  void RefreshLabels();
  void ShowActiveProfile() override { RefreshLabels(); }
  // The labels, and the default function of the selected button.
  void RefreshTexts() override;

 private:
  void CreateControls() override;
  void OnHotButton(int button);
  void ShowDefaultFunction();

  std::array<CBitmapBtn, kButtonCount> hotButtons_;
  CBitmapBtn defaultCaption_;
  CBitmapBtn defaultFunction_;
  // The last button selected; 0 before the first click, which no button
  // shows as selected.
  int selected_ = 0;
  bool selectedOnce_ = false;
};
