#pragma once
// The four general tabs (home, sensitivity, Windows pointer, buttons),
// shown while no mouse button is selected.
#include "pages/assign/function_tab_strip.h"

class CDlgSetPage : public CFunctionTabStrip {
 public:
  explicit CDlgSetPage(UINT templateId);

  static const PageImageNames kPictures;

  // Tabs 0-3 mark their tab; 8 (the settings page) clears all four; any
  // other page leaves the strip as it is, so the tab checked before stays.
  void SelectTab(FunctionPage page) override;
};
