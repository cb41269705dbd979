#include "skin/button_look.h"

ButtonImage ChooseButtonImage(const ButtonState& s) {
  if (s.toggleMode) {
    // A toggle shows its latched state even when disabled; pressing alone
    // changes nothing until the click flips it.
    if (s.checked) return ButtonImage::Down;
    if (s.disabled) return ButtonImage::Disabled;
    return s.hover ? ButtonImage::Over : ButtonImage::Normal;
  }
  if (s.disabled) return ButtonImage::Disabled;
  if (s.checked || s.pressed) return ButtonImage::Down;
  return s.hover ? ButtonImage::Over : ButtonImage::Normal;
}

CaptionLayout LayoutCaption(const CaptionOptions& o, SkinRect client) {
  if (o.useTextRect) {
    switch (o.textAlign) {
      case 0: return {o.textRect, o.multiLine ? kCaptionWrapCentred : kCaptionCentred};
      case 1: return {o.textRect, o.multiLine ? kCaptionWrapLeft : kCaptionLeft};
      case 2: return {o.textRect, kCaptionRight};
      default: return {o.textRect, kCaptionRightNoClip};
    }
  }
  SkinRect rect = client;
  rect.left += kCaptionInset;
  rect.right -= kCaptionInset;
  switch (o.textAlign) {
    case 0: return {rect, kCaptionCentred};
    case 1:
      rect.left += o.textIndent;
      rect.right -= kCaptionInset;
      return {rect, kCaptionLeft};
    default: return {rect, kCaptionRight};
  }
}
