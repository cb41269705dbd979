#pragma once
// The numeric edit box: a system edit control in the owner's colours that
// tells its parent, by posting the registered "BitmapEdit_KillFocus"
// message, whenever its text changes (wParam 0) or it loses the focus
// (wParam 1). The parent must be a framework window, which hands the box
// its own notifications and colour requests back.
//
// After Create the owner sets ForeColor and BackColor, sends WM_SETFONT
// with EditFont and sets the text limit.
#include <windows.h>

#include "framework/gdi.h"
#include "framework/window.h"

class CBmpEdit : public CWnd {
 public:
  CBmpEdit();

  COLORREF ForeColor = 0x242424;
  COLORREF BackColor = 0xFFFFFF;
  GdiBrush BackBrush;
  GdiFont EditFont;

  bool Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateControl(L"EDIT", L"", style, rect, parent, id);
  }

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 private:
  HBRUSH OnCtlColor(HDC dc);
  bool OnEraseBkgnd(HDC dc);
  void OnChange();
  void OnKillFocus();
  void OnVScroll(int request, int position, HWND bar);

  void Notify(WPARAM what) const;

  COLORREF brushColour_ = 0;
};
