#pragma once
// One macro: the 268-byte element of the macro list, which is also the record
// format of the macro file. Its events have the layout of a macro button's
// entries, so the two copy into each other byte for byte.
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "model/button_record.h"

inline constexpr int kMacroNameUnits = 50;

// Codes of the mouse buttons a macro can press, after the keyboard usages.
inline constexpr std::uint8_t kMacroMouseLeft = 0xF1;
inline constexpr std::uint8_t kMacroMouseRight = 0xF2;
inline constexpr std::uint8_t kMacroMouseMiddle = 0xF3;
inline constexpr std::uint8_t kMacroMouseButton5 = 0xF4;
inline constexpr std::uint8_t kMacroMouseButton4 = 0xF5;

inline constexpr std::uint8_t kMacroPressed = 1;
inline constexpr std::uint8_t kMacroReleased = 2;

struct MacroEvent {
  std::uint8_t code;    // keyboard usage, or one of the mouse codes above
  std::uint8_t state;   // pressed or released
  std::uint16_t delay;  // milliseconds until the next event
};

struct tagElement {
  char16_t name[kMacroNameUnits];
  std::int32_t repeat;
  std::int32_t count;
  MacroEvent events[kMaxEntries];
};

static_assert(std::is_standard_layout_v<MacroEvent> && std::is_trivially_copyable_v<MacroEvent>);
static_assert(sizeof(MacroEvent) == kEntryBytes);
static_assert(offsetof(MacroEvent, code) == 0);
static_assert(offsetof(MacroEvent, state) == 1);
static_assert(offsetof(MacroEvent, delay) == 2);

static_assert(std::is_standard_layout_v<tagElement> && std::is_trivially_copyable_v<tagElement>);
static_assert(sizeof(tagElement) == 268);
static_assert(offsetof(tagElement, name) == 0);
static_assert(offsetof(tagElement, repeat) == 100);
static_assert(offsetof(tagElement, count) == 104);
static_assert(offsetof(tagElement, events) == 108);
static_assert(sizeof(tagElement::events) == sizeof(ButtonRecord::Entries));

// The count as far as it can be trusted: 0-40 whatever the element holds.
inline int ValidEventCount(const tagElement& element) {
  if (element.count < 0) return 0;
  return element.count > kMaxEntries ? kMaxEntries : element.count;
}
