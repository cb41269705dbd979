#pragma once
// The numeric edit box: a system edit control in the owner's colours that
// tells its parent, by posting the registered "BitmapEdit_KillFocus"
// message, whenever its text changes (wParam 0) or it loses the focus
// (wParam 1). The parent must be a framework window, which hands the box
// its own notifications and colour requests back. Its window text is its
// number: its name, for a screen reader, is given apart.
#include <windows.h>

#include <string>
#include <string_view>

#include "framework/gdi.h"
#include "framework/window.h"
#include "skin/accessible_control.h"
#include "skin/palette.h"

class CBmpEdit : public CWnd, public AccessibleSource {
 public:
  CBmpEdit();

  // What a box is made with; it draws in EditFont.
  struct CreateArgs {
    DWORD style = 0;
    RECT rect{};
    HWND parent = nullptr;
    UINT id = 0;
    COLORREF foreColor = 0x242424;
    COLORREF backColor = kSkinWhite;
    int textLimit = 0;  // 0: the system's
  };

  GdiBrush BackBrush;
  GdiFont EditFont;

  bool Create(const CreateArgs& args);

  // The label painted beside the box; set again on a language change.
  void SetAccessibleName(std::wstring_view name) { accessibleName_ = name; }
  AccessibleFacts Describe() const override { return {.role = AccessibleRole::Text, .name = accessibleName_}; }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  HBRUSH OnCtlColor(HDC dc);
  bool OnEraseBkgnd(HDC dc);
  void OnChange();
  void OnKillFocus();
  void OnVScroll(int request, int position, HWND bar);

  void Notify(WPARAM what) const;

  COLORREF ForeColor = 0x242424;
  COLORREF BackColor = kSkinWhite;
  COLORREF brushColour_ = 0;
  std::wstring accessibleName_;
};
