#include "skin/text_label.h"

#include "framework/gdi.h"
#include "skin/skin_font.h"

const MessageMap& CTextLabel::Messages() {
  static const MessageEntry entries[] = {
      msg::Create<&CTextLabel::OnCreate>(),
      msg::Paint<&CTextLabel::OnPaint>(),
      msg::AccessibleClient(),
  };
  static const MessageMap map{&CWnd::Messages(), entries};
  return map;
}

void CTextLabel::SetText(std::wstring_view text) {
  Text = text;
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

bool CTextLabel::OnCreate(const CREATESTRUCTW&) {
  GetClientRect(Hwnd(), &ClientRect);
  return Default() != -1;
}

void CTextLabel::OnPaint() {
  PaintBuffered(Hwnd(), [&](HDC canvas) {
    // The DC's own brush and the shared font: nothing made per paint.
    SetDCBrushColor(canvas, BackColor);
    FillRect(canvas, &ClientRect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, kSkinWhite);
    SelectScope select(canvas, SharedSkinFont(kSmallFont));
    RECT rect = ClientRect;
    DrawTextW(canvas, Text.c_str(), static_cast<int>(Text.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | (AlignLeft ? DT_LEFT : DT_CENTER));
  });
}

