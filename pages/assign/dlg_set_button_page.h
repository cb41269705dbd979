#pragma once
// The eight function tabs: the four general ones and the four function
// pages (mouse functions, key combination, macros, key functions), shown
// once a mouse button is selected.
#include "pages/assign/function_tab_strip.h"

class CDlgSetButtonPage : public CFunctionTabStrip {
 public:
  explicit CDlgSetButtonPage(UINT templateId);

  static const PageImageNames kPictures;

  // Marks tab 0-7; any other page (8, the settings page) clears all eight.
  void SelectTab(FunctionPage page) override { CheckOnly(static_cast<int>(page)); }
};
