#pragma once
// The two process-wide copies of the settings and the operations on them.
#include "settings_record.h"

// What every page reads and edits.
extern SettingsRecord WorkingSettings;
// The baseline: last loaded from the monitor or the files, or last applied.
extern SettingsRecord AppliedSettings;

// Indices that come from outside are checked here: null means "no such
// profile or button", and every caller treats it as nothing to do.
ProfileRecord* ProfileAt(SettingsRecord& settings, int profile);
const ProfileRecord* ProfileAt(const SettingsRecord& settings, int profile);
ProfileRecord* ActiveProfile(SettingsRecord& settings);
const ProfileRecord* ActiveProfile(const SettingsRecord& settings);
ButtonRecord* ButtonAt(SettingsRecord& settings, int profile, int button);
ButtonRecord* ButtonAt(ProfileRecord& profile, int button);

// Before anything is loaded: no current profile (-1), everything else zero.
void InitializeSettings(SettingsRecord& settings);

// Makes a profile read from outside (the monitor, a file) safe for every
// later user: every text terminated within its stated maximum, every
// button's ButtonIndex its position and EntryCount at most 40. Function
// codes stay as read.
void SanitizeLoadedProfile(ProfileRecord& profile);
// The same for every profile of a record, and CurrentProfile brought into
// 0-4 (0 when it is not).
void SanitizeLoadedSettings(SettingsRecord& settings);

// Zeroes ButtonChangedFlags, ProfileChangedFlags and OTGSpeedChangedFlags;
// CurrentProfileChanged keeps its value.
void ClearChangeTracking(SettingsRecord& settings);
// All 75 button flags and the 11 trailing flags set to 1.
void MarkEverythingChanged(SettingsRecord& settings);
void MarkProfileButtonsChanged(SettingsRecord& settings, int profile);
void MarkButtonChanged(SettingsRecord& settings, int profile, int button);

// Sets CurrentProfileChanged, ProfileChangedFlags and OTGSpeedChangedFlags of
// `working` from its differences to `applied`. Button flags are kept: the
// writers of button records maintain them.
void FillChangeFlags(SettingsRecord& working, const SettingsRecord& applied);
