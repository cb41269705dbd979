#pragma once
// Edits the current profile's name.
#include <string>

#include "app/skinned_dialog.h"

class CDlgRename : public CSkinnedDialog {
 public:
  CDlgRename();

  void SetName(std::wstring name) { name_ = std::move(name); }
  const std::wstring& Name() const { return name_; }

  // Enter confirms and Escape cancels, before the dialog manager sees them.
  BOOL PreTranslateMessage(MSG* msg) override;

 private:
  void PaintContent(HDC dc) override;
  void OnSkinButton(int index) override;
  void InitControls() override;
  void Confirm();

  std::wstring name_;
};
