#pragma once
// The settings on disk: config.ini beside the program and one profile file
// per profile in its config folder; the same profile format for export and
// import.
#include <string>
#include <vector>

#include "framework/exe_folder.h"
#include "model/settings_record.h"

std::wstring ConfigIniPath();
// config\Default<k>.gmp
std::wstring ProfileFilePath(int profile);
// config\Default<k>.gkp, the copy every export leaves beside the profiles.
std::wstring ExportSideCopyPath(int profile);

// The files a save could not write; empty when it wrote them all.
using UnwrittenFiles = std::vector<std::wstring>;

// The profile's keys into section "Setting" of `path`; other keys and
// sections stay. A crash leaves the old file or the new one; false when the
// file could not be written (an existing file that cannot be read is never
// replaced).
bool WriteProfileFile(const ProfileRecord& profile, const std::wstring& path);
void ReadProfileFile(ProfileRecord& profile, const std::wstring& path);

// Start-up without the monitor: config.ini, the five profile files (factory
// values for a missing one), then the system pointer settings into the
// current profile.
void LoadAll(SettingsRecord& settings);
// The save step of apply: pointer settings, config.ini, the five files.
UnwrittenFiles SaveAll(const SettingsRecord& settings);

// The active profile of `settings` to `path` (replacing any file there), its
// file title into config.ini, and the side copy. Without an active profile
// nothing is written and `path` is reported unwritten.
UnwrittenFiles ExportProfile(const SettingsRecord& settings, const std::wstring& path);
// `path` into the active profile of `settings`, made safe; false, changing
// nothing, when the file cannot be opened or there is no active profile.
bool ImportProfile(SettingsRecord& settings, const std::wstring& path);

// Section "Profile<n>" key "FileName" of config.ini.
bool WriteProfileFileName(int n, const std::wstring& title);
