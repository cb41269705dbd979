#pragma once
// One control's layout from a skin's BUTTONINFO section: "name,x,y,w,h,tip".
// Portable: the value is plain text, parsed without the system.
#include <cstdint>
#include <string_view>

struct SkinRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};
static_assert(sizeof(SkinRect) == 16);

struct SkinButtonInfo {
  char16_t ItemName[40] = {};
  SkinRect Rect;
  char16_t TooltipText[100] = {};
};

// Never fails: what cannot be read stays zero or empty, over-long parts are
// cut to their buffers, out-of-range numbers are held at the int limits.
SkinButtonInfo ParseButtonInfo(std::u16string_view value);
