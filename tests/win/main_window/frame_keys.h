#pragma once
// The main window's frame buttons by their keys in skin_main.ini. Key 0
// stacks four labels: the footer on top, the language code, the language
// label and the profile label.
#include "skin/bitmap_btn.h"
#include "skin_controls.h"

struct FrameKey { int key; int layer = 0; };

namespace frame {
inline constexpr FrameKey kClose{2}, kOk{3}, kApply{4}, kCancel{5}, kProfileBar{6}, kPrevious{7}, kNext{8},
    kProgram{9}, kRename{10}, kFooter{0}, kLanguageCode{0, 1}, kProfileLabel{0, 3}, kSettings{21}, kLighting{22},
    kEffectA{23}, kEffectB{24}, kLightOff{25};
inline constexpr int kFirstColour = 27;  // the eight colour choices from here
}  // namespace frame

inline CBitmapBtn& FrameButtonAt(HWND window, FrameKey button) {
  return ControlAt<CBitmapBtn>(window, L"skin_main.ini", button.key, button.layer);
}
