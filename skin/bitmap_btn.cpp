#include "skin/bitmap_btn.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "framework/application.h"
#include "framework/focus_order.h"
#include "skin/button_plans.h"
#include "skin/skin_image.h"

namespace {
constexpr UINT_PTR kToolId = 1;

// Only a real change goes to the window server.
void RemoveStyle(HWND window, LONG_PTR bits) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (style & bits) SetWindowLongPtrW(window, GWL_STYLE, style & ~bits);
}

}  // namespace

void DrawImage(HDC target, HBITMAP image, const RECT& client, POINT from) {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (!image) {
    GdiBrush brush(CreateSolidBrush(CBitmapBtn::kEmptyImageColor));
    FillRect(target, &client, brush.Get());
    return;
  }
  MemoryDc source(target);
  SelectScope select(source.Get(), image);
  BitBlt(target, 0, 0, width, height, source.Get(), from.x, from.y, SRCCOPY);
}

const MessageMap& CBitmapBtn::Messages() {
  static const MessageEntry entries[] = {
      msg::Mouse<&CBitmapBtn::OnMouseMove>(WM_MOUSEMOVE),
      msg::Focus<&CBitmapBtn::OnKillFocus>(WM_KILLFOCUS),
      msg::CaptureChanged<&CBitmapBtn::OnCaptureChanged>(),
      msg::Mouse<&CBitmapBtn::OnLButtonDown>(WM_LBUTTONDOWN),
      msg::Mouse<&CBitmapBtn::OnLButtonUp>(WM_LBUTTONUP),
      msg::NcPaint<&CBitmapBtn::OnNcPaint>(),
      msg::EraseBkgnd<&CBitmapBtn::OnEraseBkgnd>(),
      msg::Destroy<&CBitmapBtn::OnDestroy>(),
      // The name is the button's text for whoever asks (a screen
      // reader, another program), though the window's own text stays empty.
      msg::GetText<&CBitmapBtn::OnGetText>(),
      msg::GetTextLength<&CBitmapBtn::OnGetTextLength>(),
      msg::GetDlgCode<&CBitmapBtn::OnGetDlgCode>(),
      msg::Key<&CBitmapBtn::OnKeyDown>(WM_KEYDOWN),
      msg::Key<&CBitmapBtn::OnKeyUp>(WM_KEYUP),
      msg::AccessibleClient(),
      msg::ReflectedDrawItem<&CBitmapBtn::OnDrawItem>(),
      msg::ReflectedCommand<&CBitmapBtn::OnClicked>(BN_CLICKED),
  };
  static const MessageMap map{&CButton::Messages(), entries};
  return map;
}

bool CBitmapBtn::Create(const RECT& rect, HWND parent, const CreateArgs& args, const wchar_t* tooltip) {
  ToggleMode = args.toggle ? 1 : 0;
  role_ = args.role;
  FontHeight = args.font.height;
  FontWidth = args.font.width;
  TextAlign = args.leftCaption ? 1 : 0;
  TextColor = args.textColor;
  HoverTextColor = args.hoverTextColor;
  DisabledTextColor = args.disabledTextColor;
  PressedTextColor = args.pressedTextColor;
  if (args.captionBox || args.captionInset) {
    UseTextRect = 1;
    TextRect = args.captionBox ? *args.captionBox
                               : RECT{*args.captionInset, 0, rect.right - rect.left, rect.bottom - rect.top};
  }
  if (args.layoutTooltip && tooltip && *tooltip) SetTooltip(tooltip, true);
  if (ButtonPlans* plans = ButtonPlans::Taking()) {
    plan_ = Plan{.parent = parent, .rect = rect};
    plans->Add(*this);
    return true;
  }
  return CButton::Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, parent, 0);
}

void CBitmapBtn::PaintPlannedLook(HDC dc) const {
  if (!plan_ || !plan_->shown) return;
  POINT origin;
  OffsetViewportOrgEx(dc, plan_->rect.left, plan_->rect.top, &origin);
  PaintLook(dc, {0, 0, plan_->rect.right - plan_->rect.left, plan_->rect.bottom - plan_->rect.top}, false,
            !plan_->enabled);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

bool CBitmapBtn::MakePlannedWindow() {
  if (!plan_) return Hwnd() != nullptr;
  const Plan plan = *std::exchange(plan_, std::nullopt);
  // Made hidden, then shown by its style alone, as WM_SETREDRAW does: a
  // window shown by ShowWindow or SetWindowPos is invalidated and painted,
  // and under Wine costs four trips to the window server where this costs two.
  const DWORD style = WS_CHILD | BS_OWNERDRAW | (plan.enabled ? 0 : WS_DISABLED);
  if (!CButton::Create(nullptr, style, plan.rect, plan.parent, 0)) return false;
  if (plan.shown) SetWindowLongPtrW(Hwnd(), GWL_STYLE, GetWindowLongPtrW(Hwnd(), GWL_STYLE) | WS_VISIBLE);
  return true;
}

void CBitmapBtn::InvalidatePlan() const { InvalidateRect(plan_->parent, &plan_->rect, FALSE); }

void CBitmapBtn::Show(bool shown) {
  if (!plan_) {
    if (Hwnd()) ShowWindow(Hwnd(), shown ? SW_SHOW : SW_HIDE);
  } else if (std::exchange(plan_->shown, shown) != shown) {
    InvalidatePlan();
  }
}

void CBitmapBtn::Enable(bool enabled) {
  if (!plan_) {
    if (Hwnd()) EnableWindow(Hwnd(), enabled);
  } else if (std::exchange(plan_->enabled, enabled) != enabled) {
    InvalidatePlan();
  }
}

void CBitmapBtn::PreSubclassWindow() {
  // Skinned buttons draw themselves and never take part in tabbing.
  const LONG_PTR style = GetWindowLongPtrW(Hwnd(), GWL_STYLE);
  if ((style & BS_TYPEMASK) != BS_OWNERDRAW)
    SendMessageW(Hwnd(), BM_SETSTYLE, (LOWORD(style) & ~BS_TYPEMASK) | BS_OWNERDRAW, TRUE);
  RemoveStyle(Hwnd(), WS_TABSTOP);
}

void CBitmapBtn::SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, const RECT& rect) {
  if (plan_) {
    uncut_ = Uncut{{normal, over, down, disabled}, rect};
    return;
  }
  uncut_.reset();
  CutImages({normal, over, down, disabled}, rect);
  RemoveStyle(Hwnd(), WS_BORDER | WS_TABSTOP);
}

void CBitmapBtn::CutPlannedImages() {
  if (const std::optional<Uncut> uncut = std::exchange(uncut_, std::nullopt)) CutImages(uncut->pictures, uncut->rect);
}

void CBitmapBtn::CutImages(const std::array<HBITMAP, 4>& pictures, const RECT& rect) {
  GdiBitmap* const targets[] = {&ImageNormal, &ImageOver, &ImageDown, &ImageDisabled};
  for (std::size_t i = 0; i < pictures.size(); ++i)
    CutImage(*targets[i], pictures[i], rect.left, rect.top, rect.right, rect.bottom);
}

void CBitmapBtn::SetCheck(int value) {
  if (value == Checked) return;
  Checked = value;
  if (plan_) InvalidatePlan();
  // A null window would mean every window of the desktop.
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CBitmapBtn::SetCaptionNow(std::wstring_view text) {
  Caption = text;
  if (plan_) InvalidatePlan();
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

void CBitmapBtn::OnMouseMove(POINT client, UINT keys) {
  // A drag that started elsewhere does not light the button.
  if ((keys & MK_LBUTTON) && !Hover) {
    Default();
    return;
  }

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
      if (!(keys & MK_LBUTTON)) ReleaseCapture();
    }
  }
  POINT screen = client;
  ClientToScreen(Hwnd(), &screen);
  PostMessageW(GetParent(Hwnd()), WM_MOUSEMOVE, keys, MAKELPARAM(screen.x, screen.y));
  Default();
}

void CBitmapBtn::OnKillFocus(HWND) {
  Hover = 0;
  // A key held as the focus left clicks nothing.
  if (std::exchange(keyHeld_, 0)) SendMessageW(Hwnd(), BM_SETSTATE, FALSE, 0);
  InvalidateRect(Hwnd(), nullptr, TRUE);
  Default();
}

void CBitmapBtn::OnCaptureChanged(HWND taker) {
  // Taken again by this button (the press does, after the hover took it):
  // nothing is lost, and releasing it would lose the press's release, and
  // with it the click, to whatever window is under the pointer.
  if (Hover && taker != Hwnd()) {
    // Only our own capture is ours to release: taking another window's
    // (a slider's drag, say) would break it.
    if (GetCapture() == Hwnd()) ReleaseCapture();
    InvalidateRect(Hwnd(), nullptr, TRUE);
  }
  Default();
}

void CBitmapBtn::OnLButtonDown(POINT, UINT) {
  if (HWND owner = OwnerOrParent(); owner && GetActiveWindow() != owner) SetActiveWindow(owner);
  Default();
}

void CBitmapBtn::OnLButtonUp(POINT, UINT) {
  if (!ToggleMode) {
    Default();
    return;
  }
  // The button's own release (and its click) is skipped, so its pressed
  // look is cleared here.
  Click();
}

void CBitmapBtn::Click() {
  if (ToggleMode) Checked = !Checked;
  SendMessageW(Hwnd(), BM_SETSTATE, FALSE, 0);
  InvalidateRect(Hwnd(), nullptr, TRUE);
  SendMessageW(GetParent(Hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Hwnd()), BN_CLICKED),
               reinterpret_cast<LPARAM>(Hwnd()));
}

UINT CBitmapBtn::OnGetDlgCode() {
  // A button without an action is a caption: Tab passes it by. No push
  // button code: the dialog manager would make it the default button,
  // which takes away its owner drawing.
  return Acts() ? DLGC_BUTTON : DLGC_STATIC;
}

void CBitmapBtn::OnKeyDown(UINT key) {
  if ((key != VK_SPACE && key != VK_RETURN) || !Acts()) {
    Default();
    return;
  }
  // Pressed until the key comes up, as a press of the mouse button.
  if (!keyHeld_) SendMessageW(Hwnd(), BM_SETSTATE, TRUE, 0);
  keyHeld_ = key;
}

void CBitmapBtn::OnKeyUp(UINT key) {
  if (key != keyHeld_ || !keyHeld_) {
    Default();
    return;
  }
  keyHeld_ = 0;
  Click();
}

void CBitmapBtn::OnNcPaint() {
  // No frame to draw: the default would take a window DC (a trip to the
  // window server under Wine) only to draw nothing, once per button.
}

bool CBitmapBtn::OnEraseBkgnd(HDC) { return true; }

void CBitmapBtn::OnDestroy() {
  tooltip_.Reset();
  Default();
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

void CBitmapBtn::OnClicked() {
  // The action may end the button's window (a dialog closing): run a copy.
  if (const std::function<void()> action = clickAction_) action();
}

const std::wstring& CBitmapBtn::Name() const {
  static const std::wstring kNone;
  if (!Caption.empty()) return Caption;
  if (!accessibleName_.empty()) return accessibleName_;
  return tooltipText_ ? *tooltipText_ : kNone;
}

AccessibleFacts CBitmapBtn::Describe() const {
  if (!Acts()) return {.role = AccessibleRole::StaticText};
  return {.role = ToggleMode ? AccessibleRole::CheckBox : role_, .checked = Checked != 0};
}


int CBitmapBtn::OnGetText(wchar_t* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const std::wstring& name = Name();
  const std::size_t count = std::min<std::size_t>(name.size(), static_cast<std::size_t>(size) - 1);
  name.copy(buffer, count);
  buffer[count] = L'\0';
  return static_cast<int>(count);
}

int CBitmapBtn::OnGetTextLength() { return static_cast<int>(Name().size()); }

void CBitmapBtn::OnDrawItem(const DRAWITEMSTRUCT& item) {
  RECT client;
  GetClientRect(Hwnd(), &client);
  PaintLook(item.hDC, client, item.itemState & ODS_SELECTED, item.itemState & ODS_DISABLED);
  if (ShowsFocusMark(Hwnd())) DrawFocusMark(item.hDC, client, kSkinAccent);
}

void CBitmapBtn::PaintLook(HDC target, const RECT& client, bool pressed, bool disabled) const {
  const ButtonImage state = ChooseButtonImage({ToggleMode != 0, Checked != 0, Hover != 0, pressed, disabled});
  // A planned button not cut yet paints from its window's pictures.
  const HBITMAP image = uncut_ ? uncut_->pictures[static_cast<std::size_t>(state)] : ImageFor(state);
  const POINT from = uncut_ ? POINT{uncut_->rect.left, uncut_->rect.top} : POINT{0, 0};
  if (Caption.empty()) {
    DrawImage(target, image, client, from);
  } else {
    DrawCaption(target, image, from, client, pressed, disabled);
  }
}

void CBitmapBtn::DrawCaption(HDC target, HBITMAP image, POINT from, const RECT& client, bool pressed,
                             bool disabled) const {
  // A canvas (a parent painting the button with itself) takes the drawing
  // as it is, within the button's place.
  if (GetObjectType(target) == OBJ_MEMDC) {
    const int saved = SaveDC(target);
    IntersectClipRect(target, client.left, client.top, client.right, client.bottom);
    DrawImageAndCaption(target, image, from, client, pressed, disabled);
    RestoreDC(target, saved);
    return;
  }
  // The screen: drawn off screen and copied in one transfer, so the caption
  // never flickers over a bare image.
  MemoryDc canvas(target);
  GdiBitmap buffer = CreateCanvasBitmap(client.right, client.bottom);
  if (!canvas || !buffer) return;
  SelectScope selectBuffer(canvas.Get(), buffer.Get());
  DrawImageAndCaption(canvas.Get(), image, from, client, pressed, disabled);
  BitBlt(target, 0, 0, client.right, client.bottom, canvas.Get(), 0, 0, SRCCOPY);
}

void CBitmapBtn::DrawImageAndCaption(HDC dc, HBITMAP image, POINT from, const RECT& client, bool pressed,
                                     bool disabled) const {
  DrawImage(dc, image, client, from);
  COLORREF color = TextColor;
  if (Hover) {
    color = HoverTextColor;
  } else if (disabled) {
    color = DisabledTextColor;
  } else if (pressed || Checked) {
    color = PressedTextColor;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  SelectScope selectFont(dc, SharedSkinFont(FontHeight, FontWidth, FontFace));
  const CaptionLayout layout = LayoutCaption(
      {TextAlign, UseTextRect != 0, {TextRect.left, TextRect.top, TextRect.right, TextRect.bottom}, MultiLine != 0,
       TextIndent},
      {client.left, client.top, client.right, client.bottom});
  RECT rect{layout.rect.left, layout.rect.top, layout.rect.right, layout.rect.bottom};
  DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &rect, layout.format);
}
