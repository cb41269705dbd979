#include "settings.h"

#include <algorithm>
#include <cstring>

#include "text.h"

SettingsRecord WorkingSettings;
SettingsRecord AppliedSettings;

namespace {

bool ValidProfile(int profile) { return profile >= 0 && profile < kProfileCount; }
bool ValidButton(int button) { return button >= 0 && button < kButtonCount; }

template <typename T, std::size_t N>
bool ArraysDiffer(const T (&a)[N], const T (&b)[N]) {
  return !std::equal(a, a + N, b);
}

// The device settings that make up a profile's ProfileChangedFlags entry.
bool DeviceSettingsDiffer(const ProfileRecord& a, const ProfileRecord& b) {
  return a.HDDKeyboard != b.HDDKeyboard || a.XYSynchronous != b.XYSynchronous ||
         a.Sensitivity_X != b.Sensitivity_X || a.Sensitivity_Y != b.Sensitivity_Y ||
         a.XYCpiFlag != b.XYCpiFlag || ArraysDiffer(a.CpiLevel_X, b.CpiLevel_X) ||
         ArraysDiffer(a.CpiLevel_Y, b.CpiLevel_Y) || a.CpiStep != b.CpiStep ||
         ArraysDiffer(a.dpiStepFlag, b.dpiStepFlag) || ArraysDiffer(a.dpiIndicator, b.dpiIndicator) ||
         a.PollingRate != b.PollingRate || a.LiftSwitch != b.LiftSwitch ||
         a.LiftLevel != b.LiftLevel || a.LightEffectSwitch1 != b.LightEffectSwitch1 ||
         a.LightEffectSwitch2 != b.LightEffectSwitch2 || a.LightEffectType1 != b.LightEffectType1 ||
         a.LightEffectType2 != b.LightEffectType2 || a.ColorFlag != b.ColorFlag ||
         a.ColorOptions1 != b.ColorOptions1 || a.ColorOptions2 != b.ColorOptions2 ||
         a.ColorChangeMode != b.ColorChangeMode || a.BTOption != b.BTOption;
}

}  // namespace

ProfileRecord* ProfileAt(SettingsRecord& settings, int profile) {
  return ValidProfile(profile) ? &settings.Profiles[profile] : nullptr;
}

const ProfileRecord* ProfileAt(const SettingsRecord& settings, int profile) {
  return ValidProfile(profile) ? &settings.Profiles[profile] : nullptr;
}

ProfileRecord* ActiveProfile(SettingsRecord& settings) {
  return ProfileAt(settings, settings.CurrentProfile);
}

const ProfileRecord* ActiveProfile(const SettingsRecord& settings) {
  return ProfileAt(settings, settings.CurrentProfile);
}

ButtonRecord* ButtonAt(ProfileRecord& profile, int button) {
  return ValidButton(button) ? &profile.MacroKeyInfo[button] : nullptr;
}

ButtonRecord* ButtonAt(SettingsRecord& settings, int profile, int button) {
  ProfileRecord* p = ProfileAt(settings, profile);
  return p ? ButtonAt(*p, button) : nullptr;
}

void InitializeSettings(SettingsRecord& settings) {
  std::memset(&settings, 0, sizeof settings);
  settings.CurrentProfile = -1;
}

void SanitizeLoadedProfile(ProfileRecord& profile) {
  TerminateText(profile.ProFileName, kProfileNameMaxChars);
  TerminateText(profile.GameFile, kGameFileMaxChars);
  for (int b = 0; b < kButtonCount; ++b) {
    ButtonRecord& button = profile.MacroKeyInfo[b];
    button.ButtonIndex = static_cast<std::uint8_t>(b);
    TerminateText(button.Name, kNameMaxChars);
    TerminateText(button.ProgramPath, kProgramPathMaxChars);
    button.EntryCount = static_cast<std::uint16_t>(ValidEntryCount(button));
  }
}

void SanitizeLoadedSettings(SettingsRecord& settings) {
  if (!ValidProfile(settings.CurrentProfile)) settings.CurrentProfile = 0;
  for (ProfileRecord& profile : settings.Profiles) SanitizeLoadedProfile(profile);
}

void ClearChangeTracking(SettingsRecord& settings) {
  std::fill_n(&settings.ButtonChangedFlags[0][0], kProfileCount * kButtonCount, 0);
  std::fill_n(settings.ProfileChangedFlags, kProfileCount, 0);
  std::fill_n(settings.OTGSpeedChangedFlags, kProfileCount, 0);
}

void MarkEverythingChanged(SettingsRecord& settings) {
  std::fill_n(&settings.ButtonChangedFlags[0][0], kProfileCount * kButtonCount, 1);
  std::fill_n(settings.ProfileChangedFlags, kProfileCount, 1);
  std::fill_n(settings.OTGSpeedChangedFlags, kProfileCount, 1);
  settings.CurrentProfileChanged = 1;
}

void MarkProfileButtonsChanged(SettingsRecord& settings, int profile) {
  if (ValidProfile(profile)) std::fill_n(settings.ButtonChangedFlags[profile], kButtonCount, 1);
}

void MarkButtonChanged(SettingsRecord& settings, int profile, int button) {
  if (ValidProfile(profile) && ValidButton(button)) settings.ButtonChangedFlags[profile][button] = 1;
}

void FillChangeFlags(SettingsRecord& working, const SettingsRecord& applied) {
  working.CurrentProfileChanged = applied.CurrentProfile != working.CurrentProfile ? 1 : 0;
  for (int p = 0; p < kProfileCount; ++p) {
    const ProfileRecord& now = working.Profiles[p];
    const ProfileRecord& before = applied.Profiles[p];
    working.ProfileChangedFlags[p] = DeviceSettingsDiffer(now, before) ? 1 : 0;
    working.OTGSpeedChangedFlags[p] = now.OTGSpeed != before.OTGSpeed ? 1 : 0;
  }
}
