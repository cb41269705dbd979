#include "profile_store.h"

#include <windows.h>

#include <algorithm>

#include "framework/exe_folder.h"
#include "framework/ini_file.h"
#include "framework/wide.h"
#include "file_replacement.h"
#include "model/decimal.h"
#include "model/factory.h"
#include "model/profile_keys.h"
#include "model/settings.h"
#include "pointer_settings.h"

namespace {

constexpr wchar_t kSetting[] = L"Setting";

std::wstring ProfilePath(int profile, const wchar_t* extension) {
  return ExeFolder() + L"config\\Default" + std::to_wstring(profile) + extension;
}

void CreateConfigFolder() { CreateDirectoryW((ExeFolder() + L"config").c_str(), nullptr); }

bool CanOpen(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

int ReadInt(const IniSection& section, std::u16string_view key) { return ProfileInt(section.Get(key).value_or(u""), -1); }

// The keys go in with one section write when that gives the same file as
// writing them one by one; otherwise (comments, entries without a value,
// values with blank ends) key by key.
void WriteKeys(const IniFile& file, std::span<const std::uint8_t> fileBytes, const KeyValues& values) {
  IniSection section = file.ReadSection(kSetting);
  for (const auto& [key, value] : values) section.Set(key, value);
  if (section.SafeToWriteWhole() && !IniFileHasComment(fileBytes)) {
    file.WriteSection(kSetting, section);
    return;
  }
  for (const auto& [key, value] : values) file.WriteString(kSetting, Wide(key.c_str()), std::wstring(Wide(value)));
}

// Whether the file at `path` reads back as `values` already: writing it
// again would change nothing a reader sees, and an apply need not pay for it.
bool HoldsAlready(const std::wstring& path, const KeyValues& values) {
  if (!CanOpen(path)) return false;
  const IniSection section = IniFile(path).ReadSection(kSetting);
  return std::ranges::all_of(values, [&](const auto& entry) { return section.Get(entry.first) == entry.second; });
}

void NoteUnwritten(UnwrittenFiles& unwritten, bool written, const std::wstring& path) {
  if (!written) unwritten.push_back(path);
}

}  // namespace

std::wstring ConfigIniPath() { return ExeFolder() + L"config.ini"; }
std::wstring ProfileFilePath(int profile) { return ProfilePath(profile, L".gmp"); }
std::wstring ExportSideCopyPath(int profile) { return ProfilePath(profile, L".gkp"); }

bool WriteProfileFile(const ProfileRecord& profile, const std::wstring& path) {
  const KeyValues values = ProfileToKeyValues(profile);
  if (HoldsAlready(path, values)) return true;
  return ReplaceFileWith(path, [&](const std::wstring& copy, std::span<const std::uint8_t> original) {
    WriteKeys(IniFile(copy), original, values);
  });
}

void ReadProfileFile(ProfileRecord& profile, const std::wstring& path) {
  const IniSection section = IniFile(path).ReadSection(kSetting);
  ProfileFromKeyValues([&](std::u16string_view key) { return section.Get(key); }, profile);
}

void LoadAll(SettingsRecord& settings) {
  const IniSection config = IniFile(ConfigIniPath()).ReadSection(kSetting);
  settings.CurrentProfile = ReadInt(config, u"CurrentProfile");
  settings.MouseType = ReadInt(config, u"MouseType");
  settings.MouseColor = ReadInt(config, u"MouseColor");
  for (int k = 0; k < kProfileCount; ++k) {
    const std::wstring path = ProfileFilePath(k);
    if (CanOpen(path))
      ReadProfileFile(settings.Profiles[k], path);
    else
      FactoryProfile(settings.Profiles[k], k);
  }
  if (ProfileRecord* current = ActiveProfile(settings)) ReadPointerSettings(*current);
}

UnwrittenFiles SaveAll(const SettingsRecord& settings) {
  UnwrittenFiles unwritten;
  if (const ProfileRecord* current = ActiveProfile(settings)) WritePointerSettings(*current);
  const bool config = ReplaceFileWith(ConfigIniPath(), [&](const std::wstring& copy, auto) {
    const IniFile config(copy);
    config.WriteInt(kSetting, L"CurrentProfile", settings.CurrentProfile);
    config.WriteInt(kSetting, L"MouseType", settings.MouseType);
    config.WriteInt(kSetting, L"MouseColor", settings.MouseColor);
  });
  NoteUnwritten(unwritten, config, ConfigIniPath());
  CreateConfigFolder();
  for (int k = 0; k < kProfileCount; ++k)
    NoteUnwritten(unwritten, WriteProfileFile(settings.Profiles[k], ProfileFilePath(k)), ProfileFilePath(k));
  return unwritten;
}

UnwrittenFiles ExportProfile(const SettingsRecord& settings, const std::wstring& path) {
  const ProfileRecord* active = ActiveProfile(settings);
  if (!active) return {path};
  UnwrittenFiles unwritten;
  DeleteFileW(path.c_str());
  NoteUnwritten(unwritten, WriteProfileFile(*active, path), path);
  const std::size_t name = path.find_last_of(L"\\/") + 1;
  const std::size_t dot = path.find_last_of(L'.');
  const std::size_t end = dot == std::wstring::npos || dot < name ? path.size() : dot;
  NoteUnwritten(unwritten, WriteProfileFileName(settings.CurrentProfile + 1, path.substr(name, end - name)),
                ConfigIniPath());
  CreateConfigFolder();
  const std::wstring sideCopy = ExportSideCopyPath(settings.CurrentProfile);
  NoteUnwritten(unwritten, WriteProfileFile(*active, sideCopy), sideCopy);
  return unwritten;
}

bool ImportProfile(SettingsRecord& settings, const std::wstring& path) {
  ProfileRecord* active = ActiveProfile(settings);
  if (!active || !CanOpen(path)) return false;
  ReadProfileFile(*active, path);
  SanitizeLoadedProfile(*active);
  return true;
}

bool WriteProfileFileName(int n, const std::wstring& title) {
  const std::wstring section = L"Profile" + std::to_wstring(n);
  return ReplaceFileWith(ConfigIniPath(),
                  [&](const std::wstring& copy, auto) { IniFile(copy).WriteString(section.c_str(), L"FileName", title); });
}
