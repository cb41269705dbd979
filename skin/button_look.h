#pragma once
// The skinned button's choices that need no window: which state image it
// shows, and where and how its caption is drawn. Portable.
#include <cstdint>

#include "skin/button_info.h"

enum class ButtonImage { Normal, Over, Down, Disabled };

struct ButtonState {
  bool toggleMode;
  bool checked;
  bool hover;
  bool pressed;
  bool disabled;
};

ButtonImage ChooseButtonImage(const ButtonState& state);

// Caption placement: the rectangle and the draw-text format flags.
struct CaptionLayout {
  SkinRect rect;
  uint32_t format;
};

struct CaptionOptions {
  int textAlign;  // 0 centred, 1 left, 2 right; other values with a text rect
  bool useTextRect;
  SkinRect textRect;
  bool multiLine;
  int textIndent;
};

// Draw-text formats (DT_* flags) of the captions.
inline constexpr uint32_t kCaptionCentred = 0x8825;     // end ellipsis, no prefix, single line, v-centred, centred
inline constexpr uint32_t kCaptionLeft = 0x8824;        // the same, left-aligned
inline constexpr uint32_t kCaptionRight = 0x8826;       // the same, right-aligned
inline constexpr uint32_t kCaptionWrapCentred = 0x2015; // edit-control breaks, word wrap, v-centred, centred
inline constexpr uint32_t kCaptionWrapLeft = 0x2014;    // the same, left-aligned
inline constexpr uint32_t kCaptionRightNoClip = 0x8136; // end ellipsis, no clip, single line, wrap, v-centred, right

// Inset of a caption from the button's left and right edges.
inline constexpr int kCaptionInset = 5;

CaptionLayout LayoutCaption(const CaptionOptions& options, SkinRect client);
