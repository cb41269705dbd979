#pragma once
// What key names need from the system's keyboard layout. On Windows these
// are MapVirtualKeyW and ToAscii on the calling thread's layout; tests use
// fixed layouts, so the rules that follow the layout are tested natively.
#include <cstdint>

class KeyboardLayout {
 public:
  // Scan code of a virtual key, 0 when the layout has none (MAPVK_VK_TO_VSC).
  virtual std::uint32_t ScanCodeOf(std::uint32_t vk) const = 0;

  // Virtual key at a scan code, left and right told apart
  // (MAPVK_VSC_TO_VK_EX); 0 when the layout has none.
  virtual std::uint32_t VkAt(std::uint32_t scanCode) const = 0;

  // What the key types with no modifier down, as ToAscii reports it: the
  // number of characters (0, 1, 2, or negative for a dead key, which leaves
  // its spacing accent) and up to two 8-bit characters, the first in the low
  // byte of `characters`.
  virtual int Translate(std::uint32_t vk, std::uint32_t scanCode, std::uint16_t& characters) const = 0;

 protected:
  ~KeyboardLayout() = default;
};
