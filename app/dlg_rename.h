#pragma once
// Edits the current profile's name.
#include <string>

#include "app/skinned_dialog.h"

class CDlgRename : public CSkinnedDialog {
 public:
  CDlgRename();

  void SetName(std::wstring name) { name_ = std::move(name); }
  const std::wstring& Name() const { return name_; }

 private:
  void PaintContent(HDC dc) override;
  void OnSkinButton(int index) override;
  void InitControls() override;
  void Confirm() override;

  std::wstring name_;
};
