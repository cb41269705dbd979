#include "assignment.h"

#include <algorithm>
#include <cstring>

#include "factory.h"
#include "function_codes.h"
#include "settings.h"
#include "text.h"

namespace {

ButtonRecord* SelectedRecord(SettingsRecord& settings, int button) {
  return ButtonAt(settings, settings.CurrentProfile, button);
}

void ClearEvents(ButtonRecord& r) {
  r.EntryCount = 0;
  std::memset(r.Entries, 0, sizeof r.Entries);
  std::memset(r.Name, 0, sizeof r.Name);
}

}  // namespace

std::uint8_t ModifierByte(const ModifierToggles& t) {
  if (t.none == 1) return 0;
  return static_cast<std::uint8_t>((t.ctrl == 1 ? kModCtrl : 0) | (t.shift == 1 ? kModShift : 0) |
                                   (t.alt == 1 ? kModAlt : 0) | (t.win == 1 ? kModWin : 0));
}

ModifierToggles TogglesOf(std::uint8_t m) {
  return {0, (m & kModCtrl) ? 1 : 0, (m & kModShift) ? 1 : 0, (m & kModAlt) ? 1 : 0, (m & kModWin) ? 1 : 0};
}

bool AssignFunction(SettingsRecord& settings, int button, std::uint8_t code) {
  ButtonRecord* r = SelectedRecord(settings, button);
  if (!r) return false;
  r->FunctionCode = code;
  ClearEvents(*r);
  MarkButtonChanged(settings, settings.CurrentProfile, button);
  return true;
}

bool AssignProgram(SettingsRecord& settings, int button, std::u16string_view path) {
  ButtonRecord* r = SelectedRecord(settings, button);
  if (!r) return false;
  SetText(r->ProgramPath, path, kProgramPathMaxChars);
  r->FunctionCode = kFnLaunchProgram;
  ClearEvents(*r);
  MarkButtonChanged(settings, settings.CurrentProfile, button);
  return true;
}

bool AssignKeyCombination(SettingsRecord& settings, int button, std::uint8_t key,
                          const ModifierToggles& toggles) {
  ButtonRecord* r = SelectedRecord(settings, button);
  if (!r) return false;
  r->Entries[0][0] = key;
  r->Entries[0][1] = ModifierByte(toggles);
  r->FunctionCode = kFnKeyCombination;
  r->EntryCount = 1;
  std::memset(r->Name, 0, sizeof r->Name);
  MarkButtonChanged(settings, settings.CurrentProfile, button);
  return true;
}

bool AssignMacro(SettingsRecord& settings, int button, const MacroData* macro) {
  ButtonRecord* r = SelectedRecord(settings, button);
  if (!r || !macro) return false;
  r->FunctionCode = kFnMacro;
  // The record has room for 40 events whatever the element claims.
  r->EntryCount = static_cast<std::uint16_t>(std::clamp(macro->count, 0, kMaxEntries));
  SetText(r->Name, macro->name, kNameMaxChars);
  std::copy(macro->events.begin(), macro->events.end(), &r->Entries[0][0]);
  r->RepeatCount = macro->repeat;
  MarkButtonChanged(settings, settings.CurrentProfile, button);
  return true;
}

bool RestoreButton(SettingsRecord& settings, int button) {
  ProfileRecord* profile = ActiveProfile(settings);
  if (!profile || !ButtonAt(*profile, button)) return false;
  FactoryButton(*profile, button);
  MarkButtonChanged(settings, settings.CurrentProfile, button);
  return true;
}

void RestoreAll(SettingsRecord& settings) {
  FactorySettings(settings);
  MarkEverythingChanged(settings);
}

bool ButtonSelectable(const ProfileRecord& profile, int button) {
  if (button < 0 || button >= kButtonCount) return false;
  if (profile.MacroKeyInfo[button].FunctionCode != kFnPrimaryClick) return true;
  return std::ranges::count_if(profile.MacroKeyInfo, [](const ButtonRecord& r) { return r.FunctionCode == kFnPrimaryClick; }) > 1;
}
