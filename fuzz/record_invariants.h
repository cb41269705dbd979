#pragma once
// What a sanitised record promises every later reader.
#include "model/settings_record.h"
#include "model/text.h"

inline bool ProfileIsSound(const ProfileRecord& profile) {
  if (TextOf(profile.ProFileName).size() > kProfileNameMaxChars) return false;
  if (TextOf(profile.GameFile).size() > kGameFileMaxChars) return false;
  for (int b = 0; b < kButtonCount; ++b) {
    const ButtonRecord& button = profile.MacroKeyInfo[b];
    if (button.ButtonIndex != b || button.EntryCount > kMaxEntries) return false;
    if (TextOf(button.Name).size() > kNameMaxChars || TextOf(button.ProgramPath).size() > kProgramPathMaxChars)
      return false;
  }
  return true;
}

inline bool SettingsAreSound(const SettingsRecord& settings) {
  if (settings.CurrentProfile < 0 || settings.CurrentProfile >= kProfileCount) return false;
  for (const ProfileRecord& profile : settings.Profiles)
    if (!ProfileIsSound(profile)) return false;
  return true;
}
