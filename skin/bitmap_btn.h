#pragma once
// The skinned button: every push button, tab, radio choice, check box and
// most static captions. An owner-drawn system push button that shows one of
// four state images cut from its window's pictures, with an optional caption,
// and lights up while the pointer is over it. Clicks reach the parent as
// BN_CLICKED with the button's handle (all have identifier 0); the parent
// hands them back to the button, which runs the click action its owner
// gave it. Its window text, and a screen reader's name for it, is its
// caption, else the name its owner gives, else its tooltip.
#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "framework/gdi.h"
#include "framework/handles.h"
#include "framework/window.h"
#include "skin/accessible_control.h"
#include "skin/button_look.h"
#include "skin/skin_font.h"

// A cut-out as the skinned controls draw it: at (0, 0), unscaled, from
// `from` of the image; where there is none, the skins' background colour.
void DrawImage(HDC target, HBITMAP image, const RECT& client, POINT from = {0, 0});

class CBitmapBtn : public CButton, public AccessibleSource {
 public:
  GdiBitmap ImageNormal;
  GdiBitmap ImageOver;
  GdiBitmap ImageDown;
  GdiBitmap ImageDisabled;
  int Checked = 0;
  int ToggleMode = 0;
  int Hover = 0;
  std::wstring Caption;
  COLORREF TextColor = kDefaultTextColor;
  COLORREF HoverTextColor = kDefaultTextColor;
  COLORREF DisabledTextColor = kDefaultTextColor;
  COLORREF PressedTextColor = kDefaultTextColor;
  std::wstring FontFace = kSkinFontFace;
  int FontHeight = kButtonFont.height;
  int FontWidth = kButtonFont.width;
  int TextAlign = 0;
  int UseTextRect = 0;
  RECT TextRect{0, 0, 0, 0};
  int MultiLine = 0;
  int TextIndent = 0;
  int HoverMinX = 0;

  static constexpr COLORREF kDefaultTextColor = kSkinText;
  // What an empty state image shows: the skins' background.
  static constexpr COLORREF kEmptyImageColor = kSkinBackground;

  // How a button looks and acts, given when it is made.
  struct CreateArgs {
    bool toggle = false;
    // What a screen reader is told the button is when it has a click
    // action (without one it is a label); a toggle is a check box.
    AccessibleRole role = AccessibleRole::PushButton;
    // The tooltip is the layout's text for the button, when it has one.
    bool layoutTooltip = false;
    FontLook font = kButtonFont;
    bool leftCaption = false;
    // The caption's box: from this far in from the left edge to the right
    // one (none: the whole button), or a box of its own.
    std::optional<int> captionInset{};
    std::optional<RECT> captionBox{};
    COLORREF textColor = kDefaultTextColor;
    COLORREF hoverTextColor = kDefaultTextColor;
    COLORREF disabledTextColor = kDefaultTextColor;
    COLORREF pressedTextColor = kDefaultTextColor;
  };
  // Makes the button (identifier 0) at `rect` of `parent` as `args` say;
  // while a ButtonPlans::Planning is open only plans it (see Planned).
  bool Create(const RECT& rect, HWND parent, const CreateArgs& args, const wchar_t* tooltip = nullptr);
  using CButton::Create;

  // A planned button has no window yet: its parent paints its look, and
  // what it is told (state, caption, shown, enabled) waits in the plan.
  bool Planned() const { return plan_.has_value(); }
  HWND PlanParent() const { return plan_ ? plan_->parent : nullptr; }
  // The planned look at its place in the parent's `dc`, if shown.
  void PaintPlannedLook(HDC dc) const;
  // The window of the plan, made without painting: its parent shows it already.
  bool MakePlannedWindow();
  // Shows or enables the button, planned or made.
  void Show(bool shown);
  void Enable(bool enabled);

  // Cuts `rect` out of each full-window picture as the four state images;
  // a planned button cuts them when told (CutPlannedImages), and paints
  // from the pictures until then, so its window's pictures must live that long.
  void SetImages(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, const RECT& rect);
  void CutPlannedImages();
  // Stores and redraws only on a change.
  void SetCheck(int value);
  void SetCaption(std::wstring_view text) { Caption = text; }
  // Stores the caption and redraws the button at once.
  void SetCaptionNow(std::wstring_view text);
  // The tooltip's window is made when the pointer first comes over the
  // button: until then a tooltip costs nothing (each is a top-level window,
  // and pages have many buttons with one).
  void SetTooltip(const wchar_t* text, bool activate);
  HWND Tooltip() const { return tooltip_.Get(); }
  // What a click does; without one, a click is its parent's business.
  void OnClick(std::function<void()> action) { clickAction_ = std::move(action); }
  // Whether a click does anything: without an action the button is a label.
  bool Acts() const { return static_cast<bool>(clickAction_); }
  // The name of a button without caption: the label painted beside it, or
  // what its picture shows. Set again on a language change.
  void SetAccessibleName(std::wstring_view name) { accessibleName_ = name; }
  // The caption, else the name, else the tooltip.
  const std::wstring& Name() const;
  AccessibleFacts Describe() const override;

  PreTranslation PreTranslateMessage(MSG* msg) override;

  const MessageMap* GetMessageMap() const override { return &Messages(); }
  static const MessageMap& Messages();

 protected:
  void PreSubclassWindow() override;

 private:
  void OnMouseMove(POINT client, UINT keys);
  void OnKillFocus(HWND gaining);
  void OnCaptureChanged(HWND taker);
  void OnLButtonDown(POINT at, UINT keys);
  void OnLButtonUp(POINT at, UINT keys);
  void OnNcPaint();
  bool OnEraseBkgnd(HDC dc);
  void OnDestroy();
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  int OnGetText(wchar_t* buffer, int size);
  int OnGetTextLength();
  UINT OnGetDlgCode();
  void OnKeyDown(UINT key);
  void OnKeyUp(UINT key);
  void OnClicked();
  // A click's end: a toggle flips, and the parent hears BN_CLICKED.
  void Click();

  HBITMAP ImageFor(ButtonImage image) const;
  void CutImages(const std::array<HBITMAP, 4>& pictures, const RECT& rect);
  void PaintLook(HDC target, const RECT& client, bool pressed, bool disabled) const;
  void DrawCaption(HDC target, HBITMAP image, POINT from, const RECT& client, bool pressed, bool disabled) const;
  void DrawImageAndCaption(HDC dc, HBITMAP image, POINT from, const RECT& client, bool pressed, bool disabled) const;
  // Repaints the plan's place in its parent.
  void InvalidatePlan() const;
  void ShowTooltipFromNowOn();
  void UpdateTooltip();
  HWND OwnerOrParent() const;

  struct Plan {
    HWND parent;
    RECT rect;
    bool shown = true;
    bool enabled = true;
  };
  std::optional<Plan> plan_;
  // The pictures a planned button's state images will be cut from, in
  // ButtonImage's order, and where; once given, until cut.
  struct Uncut {
    std::array<HBITMAP, 4> pictures;
    RECT rect;
  };
  std::optional<Uncut> uncut_;
  OwnedWindow tooltip_;
  std::optional<std::wstring> tooltipText_;
  bool tooltipActive_ = false;
  std::function<void()> clickAction_;
  // Space or Enter while it is held down on the button: its release clicks.
  UINT keyHeld_ = 0;
  AccessibleRole role_ = AccessibleRole::PushButton;
  std::wstring accessibleName_;
};
