#pragma once
// Asks for the full path of a program: typed, or picked with the system's
// open-file dialog.
#include <string>

#include "app/skinned_dialog.h"

class CDlgProgSel : public CSkinnedDialog {
 public:
  CDlgProgSel();

  void SetPath(std::wstring path) { path_ = std::move(path); }
  // The chosen path after OK; the initial one otherwise.
  const std::wstring& GetPath() const { return path_; }

 private:
  void PaintContent(HDC dc) override;
  void OnSkinButton(int index) override;
  void InitControls() override;
  void Browse();
  void Confirm() override;

  std::wstring path_;
};
