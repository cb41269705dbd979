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
      msg::ReflectedCtlColor<&CBmpEdit::OnCtlColor>(WM_CTLCOLOREDIT),
      msg::EraseBkgnd<&CBmpEdit::OnEraseBkgnd>(),
      msg::ReflectedCommand<&CBmpEdit::OnChange>(EN_CHANGE),
      msg::ReflectedCommand<&CBmpEdit::OnKillFocus>(EN_KILLFOCUS),
      msg::Scroll<&CBmpEdit::OnVScroll>(WM_VSCROLL),
      msg::AccessibleClient(),
  };
  static const MessageMap map{&CWnd::Messages(), entries};
  return map;
}

HBRUSH CBmpEdit::OnCtlColor(HDC dc) {
  // Asked at every paint and key: a brush made again only for a new colour.
  if (!BackBrush || brushColour_ != BackColor) {
    BackBrush.Reset(CreateSolidBrush(BackColor));
    brushColour_ = BackColor;
  }
  SetTextColor(dc, ForeColor);
  SetBkColor(dc, BackColor);
  return BackBrush.Get();
}

bool CBmpEdit::OnEraseBkgnd(HDC) {
  // The colour request's brush and the edit's own painting cover the box.
  return true;
}

void CBmpEdit::OnChange() {
  RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Notify(kBitmapEditTextChanged);
}

void CBmpEdit::OnKillFocus() { Notify(kBitmapEditLostFocus); }

void CBmpEdit::OnVScroll(int, int, HWND) {
  InvalidateRect(Hwnd(), nullptr, TRUE);
  Default();
}


void CBmpEdit::Notify(WPARAM what) const {
  PostMessageW(GetParent(Hwnd()), BitmapEditKillFocusMessage(), what, 0);
}

UINT BitmapEditKillFocusMessage() {
  static const UINT message = RegisterWindowMessageW(L"BitmapEdit_KillFocus");
  return message;
}
