// A profile file's section read into a profile: the reading cuts what does
// not fit, sanitising makes the profile sound, and a sound profile written
// as keys reads back byte for byte, but for its texts, which a key holds up
// to their first line break.
#include <map>

#include "fuzz_check.h"
#include "model/factory.h"
#include "model/ini_section.h"
#include "model/profile_keys.h"
#include "model/settings.h"
#include "model/text.h"
#include "record_invariants.h"

namespace {

template <std::size_t N>
void CutAtLineBreak(char16_t (&text)[N]) {
  const std::u16string_view whole = TextOf(text);
  SetText(text, std::u16string(whole.substr(0, whole.find_first_of(u"\r\n"))));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ProfileRecord profile, again;
  const IniSection section = IniSection::Parse(Utf16Units(data, size));
  FactoryProfile(profile, 0);
  ProfileFromKeyValues([&](std::u16string_view key) { return section.Get(key); }, profile);
  for (const ButtonRecord& button : profile.MacroKeyInfo) FUZZ_CHECK(button.EntryCount <= kMaxEntries);
  SanitizeLoadedProfile(profile);
  FUZZ_CHECK(ProfileIsSound(profile));

  std::map<std::u16string, std::u16string> keys;
  for (const auto& [key, value] : ProfileToKeyValues(profile)) keys[key] = value;
  FactoryProfile(again, 1);
  ProfileFromKeyValues(
      [&](std::u16string_view key) -> std::optional<std::u16string> {
        const auto found = keys.find(std::u16string(key));
        if (found == keys.end()) return std::nullopt;
        return found->second;
      },
      again);
  CutAtLineBreak(profile.ProFileName);
  CutAtLineBreak(profile.GameFile);
  FUZZ_CHECK(SameBytes(again, profile));
  return 0;
}
