#pragma once
// Asks before every profile is restored to the factory values.
#include "app/skinned_dialog.h"

class CDlgRestore : public CSkinnedDialog {
 public:
  CDlgRestore();

 private:
  void PaintContent(HDC dc) override;
  void OnSkinButton(int index) override;
};
