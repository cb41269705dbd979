#pragma once
// A strip of function tabs beside the mouse picture: tab k stands for page
// number k. A click checks the tab and asks the main window for its page;
// the main window says which page is current with SelectTab.
#include <windows.h>

#include <array>
#include <span>

#include "model/function_codes.h"
#include "skin/bitmap_btn.h"
#include "skin/skinned_page.h"

class CFunctionTabStrip : public CSkinnedPage {
 public:
  // Marks the current page's tab, telling no one.
  virtual void SelectTab(FunctionPage page) = 0;
  void RefreshTexts() override;

  int TabCount() const { return static_cast<int>(captions_.size()); }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 protected:
  struct Look {
    const wchar_t* windowText;
    const wchar_t* layout;
    std::span<const int> captions;  // string ID of each tab, in order
    FontLook font;
  };
  CFunctionTabStrip(UINT templateId, PageImageNames pictures, const Look& look);

  // Only `tab` checked; none when it is not a tab of the strip.
  void CheckOnly(int tab);

 private:
  static constexpr int kMaxTabs = 8;

  void CreateControls() override;
  bool OnInitDialog();
  void OnTab(int tab);

  Look look_;
  std::span<const int> captions_;
  std::array<CBitmapBtn, kMaxTabs> tabs_;
};
