#pragma once
// The names keys are shown by. Keys that type are named by the character
// they type under the current layout; the others have fixed names.
#include <cstdint>
#include <string>

class KeyboardLayout;

// Name of a virtual key. A key without a fixed name or a readable character
// is named by its code ("Key 0xE2"); 0 and codes above 0xFF are no key and
// give an empty text.
std::u16string VkName(std::uint32_t vk, const KeyboardLayout& layout);

// Name of a HID usage; empty for a usage the system does not name.
std::u16string UsageName(std::uint32_t usage, const KeyboardLayout& layout);
