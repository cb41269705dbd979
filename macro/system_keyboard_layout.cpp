#include "system_keyboard_layout.h"

#include <windows.h>

std::uint32_t SystemKeyboardLayout::ScanCodeOf(std::uint32_t vk) const {
  return MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
}

std::uint32_t SystemKeyboardLayout::VkAt(std::uint32_t scanCode) const {
  return MapVirtualKeyW(scanCode, MAPVK_VSC_TO_VK_EX);
}

int SystemKeyboardLayout::Translate(std::uint32_t vk, std::uint32_t scanCode, std::uint16_t& characters) const {
  const BYTE noKeysDown[256] = {};
  WORD typed = 0;
  const int count = ToAscii(vk, scanCode, noKeysDown, &typed, 0);
  if (count < 0) {
    // A dead key stays pending in the thread's keyboard state and would
    // change the next character the user types; the same key again ends it.
    WORD discarded = 0;
    ToAscii(vk, scanCode, noKeysDown, &discarded, 0);
  }
  characters = typed;
  return count;
}
