#pragma once
// The keyboard layout of the calling thread, for key names and key codes.
#include "model/keyboard_layout.h"

class SystemKeyboardLayout final : public KeyboardLayout {
 public:
  std::uint32_t ScanCodeOf(std::uint32_t vk) const override;
  std::uint32_t VkAt(std::uint32_t scanCode) const override;
  int Translate(std::uint32_t vk, std::uint32_t scanCode, std::uint16_t& characters) const override;
};
