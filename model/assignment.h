#pragma once
// How each kind of assignment fills the selected button's record of the
// current profile. Each returns false and writes nothing when the button is
// not 0-14 or the current profile is not 0-4; otherwise it also sets the
// button's change flag.
#include <cstdint>
#include <span>
#include <string_view>

#include "settings_record.h"

// The shortcut page's toggles; a toggle counts only when it is exactly 1.
struct ModifierToggles {
  int none;
  int ctrl;
  int shift;
  int alt;
  int win;
};

std::uint8_t ModifierByte(const ModifierToggles& toggles);
// The toggles a stored ModifierByte shows: none off, the others by bit.
ModifierToggles TogglesOf(std::uint8_t modifierByte);

// What a macro of the macro list gives a button.
struct MacroData {
  std::u16string_view name;
  std::int32_t repeat;
  std::int32_t count;
  std::span<const std::uint8_t, kMaxEntries * kEntryBytes> events;
};

// A mouse function, or a key function other than program launch.
bool AssignFunction(SettingsRecord& settings, int button, std::uint8_t code);
// Program launch; the path is cut to 259 characters.
bool AssignProgram(SettingsRecord& settings, int button, std::u16string_view path);
bool AssignKeyCombination(SettingsRecord& settings, int button, std::uint8_t key,
                          const ModifierToggles& toggles);
// `macro` is null when the macro list has no such entry: nothing is written.
bool AssignMacro(SettingsRecord& settings, int button, const MacroData* macro);
// The button back to its factory function; data after the events is kept.
bool RestoreButton(SettingsRecord& settings, int button);
// Every profile back to factory values, everything marked changed.
void RestoreAll(SettingsRecord& settings);

// Whether the mouse picture lets `button` be chosen for a new function: the
// only button of a profile with the primary click never is, so the mouse
// always keeps one.
bool ButtonSelectable(const ProfileRecord& profile, int button);
