#pragma once
// Keyboard layouts with fixed contents, written out from the keyboards
// themselves (not from the key table), so the table is checked against them.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/keyboard_layout.h"

struct LayoutKey {
  std::uint32_t vk;
  std::uint32_t scanCode;
  int count;  // what ToAscii returns: 0 none, 1 a character, -1 a dead key
  std::uint16_t character;
};

class FixedLayout : public KeyboardLayout {
 public:
  explicit FixedLayout(std::vector<LayoutKey> keys) : keys_(std::move(keys)) {}

  std::uint32_t ScanCodeOf(std::uint32_t vk) const override {
    const LayoutKey* key = Find([vk](const LayoutKey& k) { return k.vk == vk; });
    return key ? key->scanCode : 0;
  }
  std::uint32_t VkAt(std::uint32_t scanCode) const override {
    const LayoutKey* key = Find([scanCode](const LayoutKey& k) { return k.scanCode == scanCode; });
    return key ? key->vk : 0;
  }
  int Translate(std::uint32_t vk, std::uint32_t scanCode, std::uint16_t& characters) const override {
    const LayoutKey* key = Find([vk](const LayoutKey& k) { return k.vk == vk; });
    // ToAscii leaves the buffer alone when nothing is typed.
    if (!key || key->scanCode != scanCode || key->count == 0) return 0;
    characters = key->character;
    return key->count;
  }

  // Replaces the key at a scan code (or adds one).
  FixedLayout With(LayoutKey key) const {
    FixedLayout copy = *this;
    std::erase_if(copy.keys_, [&](const LayoutKey& k) { return k.scanCode == key.scanCode; });
    copy.keys_.push_back(key);
    return copy;
  }

 private:
  template <typename Match>
  const LayoutKey* Find(Match match) const {
    const auto key = std::find_if(keys_.begin(), keys_.end(), match);
    return key == keys_.end() ? nullptr : &*key;
  }

  std::vector<LayoutKey> keys_;
};

// A row of keys typing `characters`, from scanCode onwards; letters are
// their own capital as virtual key and type in lower case.
inline void AddRow(std::vector<LayoutKey>& keys, std::uint32_t scanCode, std::string_view characters) {
  for (const char c : characters) {
    const bool letter = c >= 'a' && c <= 'z';
    keys.push_back({letter ? static_cast<std::uint32_t>(c - 'a' + 'A') : static_cast<std::uint32_t>(c),
                    scanCode++, 1, static_cast<std::uint16_t>(c)});
  }
}

// The US layout of a 102-key keyboard.
inline FixedLayout UsLayout() {
  std::vector<LayoutKey> keys;
  AddRow(keys, 0x02, "1234567890");
  AddRow(keys, 0x10, "qwertyuiop");
  AddRow(keys, 0x1E, "asdfghjkl");
  AddRow(keys, 0x2C, "zxcvbnm");
  keys.insert(keys.end(), {
      {0x0D, 0x1C, 1, '\r'}, {0x1B, 0x01, 1, 0x1B}, {0x08, 0x0E, 1, '\b'}, {0x09, 0x0F, 1, '\t'},
      {0x20, 0x39, 1, ' '},  {0x14, 0x3A, 0, 0},
      {0xBD, 0x0C, 1, '-'},  {0xBB, 0x0D, 1, '='},  {0xDB, 0x1A, 1, '['},  {0xDD, 0x1B, 1, ']'},
      {0xDC, 0x2B, 1, '\\'}, {0xBA, 0x27, 1, ';'},  {0xDE, 0x28, 1, '\''}, {0xC0, 0x29, 1, '`'},
      {0xBC, 0x33, 1, ','},  {0xBE, 0x34, 1, '.'},  {0xBF, 0x35, 1, '/'},  {0xE2, 0x56, 1, '\\'},
      {0x03, 0x46, 1, 0x03},  // Ctrl+Break types the control character ^C
      {0x70, 0x3B, 0, 0}, {0x71, 0x3C, 0, 0}, {0x72, 0x3D, 0, 0}, {0x73, 0x3E, 0, 0},
      {0x74, 0x3F, 0, 0}, {0x75, 0x40, 0, 0}, {0x76, 0x41, 0, 0}, {0x77, 0x42, 0, 0},
      {0x78, 0x43, 0, 0}, {0x79, 0x44, 0, 0}, {0x7A, 0x57, 0, 0}, {0x7B, 0x58, 0, 0},
      {0x7C, 0x64, 0, 0},  // F13 types nothing
  });
  return FixedLayout(std::move(keys));
}

// A German layout: Y and Z swapped, umlauts, sharp s and two dead keys.
inline FixedLayout GermanLayout() {
  return UsLayout()
      .With({0x5A, 0x15, 1, 'z'}).With({0x59, 0x2C, 1, 'y'})
      .With({0xDB, 0x0C, 1, 0xDF}).With({0xDD, 0x0D, -1, 0xB4})
      .With({0xBA, 0x1A, 1, 0xFC}).With({0xBB, 0x1B, 1, '+'})
      .With({0xC0, 0x27, 1, 0xF6}).With({0xDE, 0x28, 1, 0xE4})
      .With({0xDC, 0x29, -1, '^'}).With({0xBF, 0x2B, 1, '#'})
      .With({0xBD, 0x35, 1, '-'}).With({0xE2, 0x56, 1, '<'});
}
