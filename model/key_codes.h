#pragma once
// Keys are stored as USB HID keyboard usages (what the mouse replays) and
// reported by Windows as virtual keys; KeyCodeTable translates between them.
#include <array>
#include <cstddef>
#include <cstdint>

class KeyboardLayout;

struct KeyCodeRow {
  std::uint32_t vk;
  std::uint32_t usage;
  std::uint32_t scanCode;  // set 1 make code; 0 where none is kept
};
static_assert(sizeof(KeyCodeRow) == 12);
static_assert(offsetof(KeyCodeRow, vk) == 0);
static_assert(offsetof(KeyCodeRow, usage) == 4);
static_assert(offsetof(KeyCodeRow, scanCode) == 8);

inline constexpr std::size_t kKeyCodeRowCount = 109;
extern const std::array<KeyCodeRow, kKeyCodeRowCount> KeyCodeTable;

// Stands for the keypad Enter key (Enter with the extended-key flag).
inline constexpr std::uint32_t kVkKeypadEnter = 0x6C;

// The usage of a virtual key. Keys that type (letters to F12) follow their
// physical position under the layout. False, with usage 0, for a key without
// a row.
bool VkToUsage(std::uint32_t vk, std::uint32_t& usage, const KeyboardLayout& layout);

// The virtual key of a usage; keys that type map through the layout from
// their physical position. False, with vk 0, for a usage without a row.
bool UsageToVk(std::uint32_t usage, std::uint32_t& vk, const KeyboardLayout& layout);

// The usage of a key event the capture hook reports: Enter with the
// extended-key flag is the keypad Enter, a Shift, Ctrl or Alt without its
// side the left one. 0 for a key without a row.
std::uint32_t CapturedKeyUsage(std::uint32_t vk, bool extended, const KeyboardLayout& layout);

// Ctrl, Shift, Alt and Windows, left or right: never the key of a
// combination or a macro step on their own.
inline constexpr bool IsModifierUsage(std::uint32_t usage) { return usage >= 0xE0 && usage <= 0xE7; }
