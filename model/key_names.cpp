#include "key_names.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "key_codes.h"
#include "keyboard_layout.h"

namespace {

struct KeyName {
  std::uint32_t code;
  std::u16string_view name;
};

constexpr KeyName kVkNames[] = {
    {0x08, u"BackSpace"}, {0x09, u"Tab"}, {0x0C, u"Clr"}, {0x0D, u"Enter"},
    {0x10, u"Shift"}, {0x11, u"Ctrl"}, {0x12, u"Alt"}, {0x13, u"Pause"},
    {0x14, u"Caps Lock"}, {0x1B, u"Esc"}, {0x20, u"Space"},
    {0x21, u"Page Up"}, {0x22, u"Page Down"}, {0x23, u"End"}, {0x24, u"Home"},
    {0x25, u"Left Arrow"}, {0x26, u"Up Arrow"}, {0x27, u"Right Arrow"}, {0x28, u"Down Arrow"},
    {0x29, u"Select"}, {0x2A, u"Print Screen"}, {0x2B, u"Exe"}, {0x2C, u"Snapshot"},
    {0x2D, u"Insert"}, {0x2E, u"Delete"}, {0x2F, u"Help"},
    {0x5B, u"Left Windows Button"}, {0x5C, u"Right Windows Button"}, {0x5D, u"APP"},
    {0x60, u"Num0"}, {0x61, u"Num1"}, {0x62, u"Num2"}, {0x63, u"Num3"}, {0x64, u"Num4"},
    {0x65, u"Num5"}, {0x66, u"Num6"}, {0x67, u"Num7"}, {0x68, u"Num8"}, {0x69, u"Num9"},
    {0x6A, u"Num*"}, {0x6B, u"Num+"}, {0x6C, u"NumRet"}, {0x6D, u"Num-"}, {0x6E, u"Num."},
    {0x6F, u"Num/"},
    {0x70, u"F1"}, {0x71, u"F2"}, {0x72, u"F3"}, {0x73, u"F4"}, {0x74, u"F5"}, {0x75, u"F6"},
    {0x76, u"F7"}, {0x77, u"F8"}, {0x78, u"F9"}, {0x79, u"F10"}, {0x7A, u"F11"}, {0x7B, u"F12"},
    {0x90, u"Num Lock"}, {0x91, u"Scroll Lock"},
    {0xA0, u"Left Shift"}, {0xA1, u"Right Shift"}, {0xA2, u"Left Ctrl"}, {0xA3, u"Right Ctrl"},
    {0xA4, u"Left Alt"}, {0xA5, u"Right Alt"},
    {0xF1, u"L Button"}, {0xF2, u"R Button"}, {0xF3, u"M Button"}, {0xF4, u"Button 5"},
    {0xF5, u"Button 4"},
};

// Usages 0x04-0x39 are named after their key under the layout instead.
constexpr KeyName kUsageNames[] = {
    {0x3A, u"F1"}, {0x3B, u"F2"}, {0x3C, u"F3"}, {0x3D, u"F4"}, {0x3E, u"F5"}, {0x3F, u"F6"},
    {0x40, u"F7"}, {0x41, u"F8"}, {0x42, u"F9"}, {0x43, u"F10"}, {0x44, u"F11"}, {0x45, u"F12"},
    {0x46, u"Print Screen"}, {0x47, u"Scroll Lock"}, {0x48, u"Break"}, {0x49, u"Insert"},
    {0x4A, u"Home"}, {0x4B, u"Page Up"}, {0x4C, u"Delete"}, {0x4D, u"End"},
    {0x4E, u"Page Down"}, {0x4F, u"Right Arrow"}, {0x50, u"Left Arrow"}, {0x51, u"Down Arrow"},
    {0x52, u"Up Arrow"},
    {0x53, u"Num Lock"}, {0x54, u"Num_/"}, {0x55, u"Num_*"}, {0x56, u"Num_-"}, {0x57, u"Num_+"},
    {0x58, u"Num_Enter"},
    {0x59, u"Num_1"}, {0x5A, u"Num_2"}, {0x5B, u"Num_3"}, {0x5C, u"Num_4"}, {0x5D, u"Num_5"},
    {0x5E, u"Num_6"}, {0x5F, u"Num_7"}, {0x60, u"Num_8"}, {0x61, u"Num_9"}, {0x62, u"Num_0"},
    {0x63, u"Num_."},
    {0x64, u"Europe 2"}, {0x65, u"APP"}, {0x82, u"Sleep"},
    {0xE0, u"Left Control"}, {0xE1, u"Left Shift"}, {0xE2, u"Left Alt"}, {0xE3, u"Left GUI"},
    {0xE4, u"Right Control"}, {0xE5, u"Right Shift"}, {0xE6, u"Right Alt"}, {0xE7, u"Right GUI"},
    {0xF1, u"L Button"}, {0xF2, u"R Button"}, {0xF3, u"M Button"}, {0xF4, u"Button 5"},
    {0xF5, u"Button 4"},
};

constexpr std::uint32_t kFirstLayoutNamedUsage = 0x04;
constexpr std::uint32_t kLastLayoutNamedUsage = 0x39;
constexpr std::uint32_t kLastVk = 0xFF;

const std::u16string_view* FixedName(std::span<const KeyName> names, std::uint32_t code) {
  const auto entry = std::find_if(names.begin(), names.end(), [code](const KeyName& n) { return n.code == code; });
  return entry == names.end() ? nullptr : &entry->name;
}

// The character a key types alone (ToAscii's bytes read as Latin-1), 0 when
// it types nothing readable: control characters and blanks would show as
// nothing or as garbage.
char16_t TypedCharacter(std::uint32_t vk, const KeyboardLayout& layout) {
  std::uint16_t characters = 0;
  const int count = layout.Translate(vk, layout.ScanCodeOf(vk), characters);
  if (count == 0 || count > 2) return 0;
  // Two characters: a dead key left by earlier typing, then this key's own.
  const auto c = static_cast<char16_t>(count == 2 ? characters >> 8 : characters & 0xFF);
  const bool control = c <= 0x20 || (c >= 0x7F && c <= 0xA0);
  return control ? 0 : c;
}

char16_t UpperCase(char16_t c) {
  const bool asciiLower = c >= u'a' && c <= u'z';
  // Latin-1 lower-case letters sit 0x20 above their capitals, except the
  // division sign; y with diaeresis has its capital outside Latin-1.
  const bool latin1Lower = c >= 0xE0 && c <= 0xFE && c != 0xF7;
  return asciiLower || latin1Lower ? static_cast<char16_t>(c - 0x20) : c;
}

std::u16string CodeName(std::uint32_t code) {
  constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  return std::u16string(u"Key 0x") + kDigits[(code >> 4) & 0xF] + kDigits[code & 0xF];
}

}  // namespace

std::u16string VkName(std::uint32_t vk, const KeyboardLayout& layout) {
  if (vk == 0 || vk > kLastVk) return {};
  if (const auto* name = FixedName(kVkNames, vk)) return std::u16string(*name);
  if (const char16_t c = TypedCharacter(vk, layout)) return std::u16string(1, UpperCase(c));
  return CodeName(vk);
}

std::u16string UsageName(std::uint32_t usage, const KeyboardLayout& layout) {
  if (usage >= kFirstLayoutNamedUsage && usage <= kLastLayoutNamedUsage) {
    std::uint32_t vk = 0;
    return UsageToVk(usage, vk, layout) ? VkName(vk, layout) : std::u16string();
  }
  if (const auto* name = FixedName(kUsageNames, usage)) return std::u16string(*name);
  return {};
}
