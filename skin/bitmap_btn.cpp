#include "skin/bitmap_btn.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "framework/application.h"
#include "skin/skin_image.h"

namespace {
constexpr UINT_PTR kToolId = 1;

// Only a real change goes to the window server.
void RemoveStyle(HWND window, LONG_PTR bits) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (style & bits) SetWindowLongPtrW(window, GWL_STYLE, style & ~bits);
}

}  // namespace

void DrawImage(HDC target, HBITMAP image, const RECT& client) {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (!image) {
    GdiBrush brush(CreateSolidBrush(CBitmapBtn::kEmptyImageColor));
    FillRect(target, &client, brush.Get());
    return;
  }
  MemoryDc source(target);
  SelectScope select(source.Get(), image);
  BitBlt(target, 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
}

const MessageMap& CBitmapBtn::Messages() {
  static const MessageEntry entries[] = {
      OnMessage(WM_MOUSEMOVE, &CBitmapBtn::OnMouseMove),
      OnMessage(WM_KILLFOCUS, &CBitmapBtn::OnKillFocus),
      OnMessage(WM_CAPTURECHANGED, &CBitmapBtn::OnCaptureChanged),
      OnMessage(WM_LBUTTONDOWN, &CBitmapBtn::OnLButtonDown),
      OnMessage(WM_LBUTTONUP, &CBitmapBtn::OnLButtonUp),
      OnMessage(WM_NCPAINT, &CBitmapBtn::OnNcPaint),
      OnMessage(WM_ERASEBKGND, &CBitmapBtn::OnEraseBkgnd),
      OnMessage(WM_DESTROY, &CBitmapBtn::OnDestroy),
      // The caption is the button's text for whoever asks (a screen
      // reader, another program), though the window's own text stays empty.
      OnMessage(WM_GETTEXT, &CBitmapBtn::OnGetText),
      OnMessage(WM_GETTEXTLENGTH, &CBitmapBtn::OnGetTextLength),
      OnReflected(WM_DRAWITEM, &CBitmapBtn::OnDrawItem),
      OnReflectedCommand(BN_CLICKED, &CBitmapBtn::OnClicked),
  };
  static const MessageMap map{&CButton::Messages(), entries};
  return map;
}

void CBitmapBtn::PreSubclassWindow() {
  // Skinned buttons draw themselves and never take part in tabbing.
  const LONG_PTR style = GetWindowLongPtrW(Hwnd(), GWL_STYLE);
  if ((style & BS_TYPEMASK) != BS_OWNERDRAW)
    SendMessageW(Hwnd(), BM_SETSTYLE, (LOWORD(style) & ~BS_TYPEMASK) | BS_OWNERDRAW, TRUE);
  RemoveStyle(Hwnd(), WS_TABSTOP);
}

void CBitmapBtn::SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, const RECT& rect) {
  const std::pair<GdiBitmap*, HBITMAP> images[] = {
      {&ImageNormal, normal}, {&ImageOver, over}, {&ImageDown, down}, {&ImageDisabled, disabled}};
  for (auto [target, source] : images) CutImage(*target, source, rect.left, rect.top, rect.right, rect.bottom);
  RemoveStyle(Hwnd(), WS_BORDER | WS_TABSTOP);
}

void CBitmapBtn::SetCheck(int value) {
  if (value == Checked) return;
  Checked = value;
  // A null window would mean every window of the desktop.
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CBitmapBtn::SetCaptionNow(std::wstring_view text) {
  Caption = text;
  if (!Hwnd()) return;
  InvalidateRect(Hwnd(), nullptr, TRUE);
  UpdateWindow(Hwnd());
}

void CBitmapBtn::SetTooltip(const wchar_t* text, bool activate) {
  if (!text) return;
  tooltipText_ = text;
  tooltipActive_ = activate;
  if (tooltip_) UpdateTooltip();
}

void CBitmapBtn::ShowTooltipFromNowOn() {
  if (tooltip_ || !tooltipText_) return;
  CWinApp::EnsureCommonControls();
  tooltip_.Reset(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (tooltip_) UpdateTooltip();
}

void CBitmapBtn::UpdateTooltip() {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = Hwnd();
  tool.uId = kToolId;
  tool.lpszText = tooltipText_->data();
  if (SendMessageW(tooltip_.Get(), TTM_GETTOOLCOUNT, 0, 0) == 0) {
    GetClientRect(Hwnd(), &tool.rect);
    SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tooltip_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_.Get(), TTM_ACTIVATE, tooltipActive_, 0);
}

PreTranslation CBitmapBtn::PreTranslateMessage(MSG* msg) {
  // Only a button whose tooltip the pointer has met has one to feed.
  if (tooltip_) SendMessageW(tooltip_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
  return CButton::PreTranslateMessage(msg);
}

HWND CBitmapBtn::OwnerOrParent() const {
  HWND owner = GetWindow(Hwnd(), GW_OWNER);
  return owner ? owner : GetParent(Hwnd());
}

LRESULT CBitmapBtn::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  // A drag that started elsewhere does not light the button.
  if ((wParam & MK_LBUTTON) && !Hover) return Default();

  if (GetCapture() != Hwnd() && GetActiveWindow() && OwnerOrParent()) {
    if (client.x >= HoverMinX) {
      Hover = 1;
      ShowTooltipFromNowOn();
      SetCapture(Hwnd());
      InvalidateRect(Hwnd(), nullptr, TRUE);
      SetActiveWindow(Hwnd());
    }
  } else {
    POINT screen = client;
    ClientToScreen(Hwnd(), &screen);
    if (WindowFromPoint(screen) != Hwnd() || client.x < HoverMinX) {
      if (Hover) {
        Hover = 0;
        InvalidateRect(Hwnd(), nullptr, TRUE);
      }
      if (!(wParam & MK_LBUTTON)) ReleaseCapture();
    }
  }
  POINT screen = client;
  ClientToScreen(Hwnd(), &screen);
  PostMessageW(GetParent(Hwnd()), WM_MOUSEMOVE, wParam, MAKELPARAM(screen.x, screen.y));
  return Default();
}

LRESULT CBitmapBtn::OnKillFocus(WPARAM, LPARAM) {
  Hover = 0;
  InvalidateRect(Hwnd(), nullptr, TRUE);
  return Default();
}

LRESULT CBitmapBtn::OnCaptureChanged(WPARAM, LPARAM lParam) {
  // Taken again by this button (the press does, after the hover took it):
  // nothing is lost, and releasing it would lose the press's release, and
  // with it the click, to whatever window is under the pointer.
  if (Hover && reinterpret_cast<HWND>(lParam) != Hwnd()) {
    // Only our own capture is ours to release: taking another window's
    // (a slider's drag, say) would break it.
    if (GetCapture() == Hwnd()) ReleaseCapture();
    InvalidateRect(Hwnd(), nullptr, TRUE);
  }
  return Default();
}

LRESULT CBitmapBtn::OnLButtonDown(WPARAM, LPARAM) {
  if (HWND owner = OwnerOrParent(); owner && GetActiveWindow() != owner) SetActiveWindow(owner);
  return Default();
}

LRESULT CBitmapBtn::OnLButtonUp(WPARAM, LPARAM) {
  if (!ToggleMode) return Default();
  // The click flips the latch; the button's own release (and its click) is
  // skipped, so its pressed look is cleared here.
  Checked = !Checked;
  SendMessageW(Hwnd(), BM_SETSTATE, FALSE, 0);
  InvalidateRect(Hwnd(), nullptr, TRUE);
  SendMessageW(GetParent(Hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Hwnd()), BN_CLICKED),
               reinterpret_cast<LPARAM>(Hwnd()));
  return 0;
}

LRESULT CBitmapBtn::OnNcPaint(WPARAM, LPARAM) {
  // No frame to draw: the default would take a window DC (a trip to the
  // window server under Wine) only to draw nothing, once per button.
  return 0;
}

LRESULT CBitmapBtn::OnEraseBkgnd(WPARAM, LPARAM) {
  return TRUE;
}

LRESULT CBitmapBtn::OnDestroy(WPARAM, LPARAM) {
  tooltip_.Reset();
  return Default();
}

HBITMAP CBitmapBtn::ImageFor(ButtonImage image) const {
  switch (image) {
    case ButtonImage::Over: return ImageOver.Get();
    case ButtonImage::Down: return ImageDown.Get();
    case ButtonImage::Disabled: return ImageDisabled.Get();
    case ButtonImage::Normal: break;
  }
  return ImageNormal.Get();
}

LRESULT CBitmapBtn::OnClicked(WPARAM, LPARAM) {
  // The action may end the button's window (a dialog closing): run a copy.
  if (const std::function<void()> action = clickAction_) action();
  return 0;
}

LRESULT CBitmapBtn::OnGetText(WPARAM wParam, LPARAM lParam) {
  auto* buffer = reinterpret_cast<wchar_t*>(lParam);
  if (!buffer || wParam == 0) return 0;
  const std::size_t count = std::min<std::size_t>(Caption.size(), wParam - 1);
  Caption.copy(buffer, count);
  buffer[count] = L'\0';
  return static_cast<LRESULT>(count);
}

LRESULT CBitmapBtn::OnGetTextLength(WPARAM, LPARAM) { return static_cast<LRESULT>(Caption.size()); }

LRESULT CBitmapBtn::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool disabled = item.itemState & ODS_DISABLED;
  const HBITMAP image =
      ImageFor(ChooseButtonImage({ToggleMode != 0, Checked != 0, Hover != 0, pressed, disabled}));
  RECT client;
  GetClientRect(Hwnd(), &client);
  if (Caption.empty()) {
    DrawImage(item.hDC, image, client);
  } else {
    DrawCaption(item.hDC, image, client, pressed, disabled);
  }
  return TRUE;
}

void CBitmapBtn::DrawCaption(HDC target, HBITMAP image, const RECT& client, bool pressed, bool disabled) {
  // Drawn off screen and copied in one transfer, so the caption never
  // flickers over a bare image.
  MemoryDc canvas(target);
  GdiBitmap buffer = CreateCanvasBitmap(client.right, client.bottom);
  if (!canvas || !buffer) return;
  SelectScope selectBuffer(canvas.Get(), buffer.Get());
  DrawImage(canvas.Get(), image, client);

  COLORREF color = TextColor;
  if (Hover) {
    color = HoverTextColor;
  } else if (disabled) {
    color = DisabledTextColor;
  } else if (pressed || Checked) {
    color = PressedTextColor;
  }
  SetBkMode(canvas.Get(), TRANSPARENT);
  SetTextColor(canvas.Get(), color);
  SelectScope selectFont(canvas.Get(), SharedSkinFont(FontHeight, FontWidth, FontFace));

  const CaptionLayout layout = LayoutCaption(
      {TextAlign, UseTextRect != 0, {TextRect.left, TextRect.top, TextRect.right, TextRect.bottom}, MultiLine != 0,
       TextIndent},
      {client.left, client.top, client.right, client.bottom});
  RECT rect{layout.rect.left, layout.rect.top, layout.rect.right, layout.rect.bottom};
  DrawTextW(canvas.Get(), Caption.c_str(), static_cast<int>(Caption.size()), &rect, layout.format);
  BitBlt(target, 0, 0, client.right, client.bottom, canvas.Get(), 0, 0, SRCCOPY);
}
