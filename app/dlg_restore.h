#pragma once
// Asks before every profile is restored to the factory values.
#include "app/skinned_dialog.h"

class CDlgRestore : public CSkinnedDialog {
 public:
  CDlgRestore();

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  void PaintContent(HDC dc) override;
  void OnSkinButton(int index) override;
  // Enter and Escape through the dialog manager.
  LRESULT OnOk(WPARAM wParam, LPARAM lParam);
  LRESULT OnCancel(WPARAM wParam, LPARAM lParam);
};
