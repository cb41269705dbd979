#include "skin/bmp_edit.h"

#include "skin/bmp_edit_message.h"
#include "skin/skin_font.h"

CBmpEdit::CBmpEdit() : EditFont(CreateSkinFont(kTitleFont)) {}

bool CBmpEdit::Create(const CreateArgs& args) {
  ForeColor = args.foreColor;
  BackColor = args.backColor;
  if (!CreateControl(L"EDIT", L"", args.style, args.rect, args.parent, args.id)) return false;
  SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(EditFont.Get()), FALSE);
  if (args.textLimit) SendMessageW(Hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(args.textLimit), 0);
  return true;
}

const MessageMap& CBmpEdit::Messages() {
  static const MessageEntry entries[] = {
      OnReflected(WM_CTLCOLOREDIT, &CBmpEdit::OnCtlColor),
      OnMessage(WM_ERASEBKGND, &CBmpEdit::OnEraseBkgnd),
      OnReflectedCommand(EN_CHANGE, &CBmpEdit::OnChange),
      OnReflectedCommand(EN_KILLFOCUS, &CBmpEdit::OnKillFocus),
      OnMessage(WM_VSCROLL, &CBmpEdit::OnVScroll),
  };
  static const MessageMap map{&CWnd::Messages(), entries};
  return map;
}

LRESULT CBmpEdit::OnCtlColor(WPARAM wParam, LPARAM) {
  const auto dc = reinterpret_cast<HDC>(wParam);
  // Asked at every paint and key: a brush made again only for a new colour.
  if (!BackBrush || brushColour_ != BackColor) {
    BackBrush.Reset(CreateSolidBrush(BackColor));
    brushColour_ = BackColor;
  }
  SetTextColor(dc, ForeColor);
  SetBkColor(dc, BackColor);
  return reinterpret_cast<LRESULT>(BackBrush.Get());
}

LRESULT CBmpEdit::OnEraseBkgnd(WPARAM, LPARAM) {
  // The colour request's brush and the edit's own painting cover the box.
  return TRUE;
}

LRESULT CBmpEdit::OnChange(WPARAM, LPARAM) {
  RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Notify(kBitmapEditTextChanged);
  return 0;
}

LRESULT CBmpEdit::OnKillFocus(WPARAM, LPARAM) {
  Notify(kBitmapEditLostFocus);
  return 0;
}

LRESULT CBmpEdit::OnVScroll(WPARAM, LPARAM) {
  InvalidateRect(Hwnd(), nullptr, TRUE);
  return Default();
}

void CBmpEdit::Notify(WPARAM what) const {
  PostMessageW(GetParent(Hwnd()), BitmapEditKillFocusMessage(), what, 0);
}

UINT BitmapEditKillFocusMessage() {
  static const UINT message = RegisterWindowMessageW(L"BitmapEdit_KillFocus");
  return message;
}
