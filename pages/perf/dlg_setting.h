#pragma once
// The settings page: the program's version lines and article number, a
// button to the maker's web site, and the restore of every profile to the
// factory settings, which it asks the main window for once the user has
// confirmed it. It edits no setting itself.
#include <windows.h>

#include <array>
#include <string>

#include "app/dlg_restore.h"
#include "framework/gdi.h"
#include "skin/bitmap_btn.h"
#include "skin/skinned_page.h"

class CDlgSetting : public CSkinnedPage {
 public:
  explicit CDlgSetting(UINT templateId);

  static const PageImageNames kPictures;

  // The restore button's caption and the painted texts in the new language.
  void RefreshTexts() override;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  void CreateControls() override;
  void PaintContent(HDC dc) override;
  HBRUSH OnCtlColor(HDC dc);
  void OnRestore();

  enum Font { kValueFont, kHintFont, kHeadingFont, kFontCount };

  CBitmapBtn webLink_;
  CBitmapBtn restore_;
  CDlgRestore restoreDialog_;
  GdiBrush background_;
  std::array<GdiFont, kFontCount> fonts_;
  std::wstring softwareVersion_;
  std::wstring driverVersion_;
};
