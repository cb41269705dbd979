#pragma once
// The message both sliders post to their notify window: wParam the new
// position, lParam the slider's id.
#include <windows.h>

#include "framework/message_map.h"

inline constexpr UINT WM_SLIDER_POS = 1094;

namespace msg {

template <auto handler>  // void (int position, int sliderId)
constexpr MessageEntry SliderPos() {
  return MessageRow(WM_SLIDER_POS, [](CWnd& w, WPARAM position, LPARAM id) -> LRESULT {
    (message_rows::Self<handler>(w).*handler)(IntParam(position), IntParam(id));
    return 0;
  });
}

}  // namespace msg
