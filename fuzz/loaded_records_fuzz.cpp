// A block from the monitor or a profile from a file, any bytes anywhere in
// it: sanitising makes it sound, changes a sound one not at all, keeps every
// function code, and a second pass changes nothing; the checked accessors
// then find the active profile and refuse every index out of range.
#include "fuzz_check.h"
#include "model/factory.h"
#include "model/settings.h"
#include "record_invariants.h"

namespace {

bool SameFunctionCodes(const ProfileRecord& a, const ProfileRecord& b) {
  for (int i = 0; i < kButtonCount; ++i)
    if (a.MacroKeyInfo[i].FunctionCode != b.MacroKeyInfo[i].FunctionCode) return false;
  return true;
}

void CheckProfile(FuzzedDataProvider& input) {
  static ProfileRecord read, profile, twice;
  FactoryProfile(read, input.ConsumeIntegralInRange(0, kProfileCount - 1));
  ApplyPatches(input, read);
  profile = read;
  SanitizeLoadedProfile(profile);
  FUZZ_CHECK(ProfileIsSound(profile));
  FUZZ_CHECK(SameFunctionCodes(profile, read));
  if (ProfileIsSound(read)) FUZZ_CHECK(SameBytes(profile, read));
  twice = profile;
  SanitizeLoadedProfile(twice);
  FUZZ_CHECK(SameBytes(twice, profile));
}

void CheckBlock(FuzzedDataProvider& input) {
  static SettingsRecord read, block, twice;
  FactorySettings(read);
  const int profileIndex = input.ConsumeIntegral<int>();
  const int buttonIndex = input.ConsumeIntegral<int>();
  ApplyPatches(input, read);
  block = read;
  SanitizeLoadedSettings(block);
  FUZZ_CHECK(SettingsAreSound(block));
  for (int p = 0; p < kProfileCount; ++p) FUZZ_CHECK(SameFunctionCodes(block.Profiles[p], read.Profiles[p]));
  if (SettingsAreSound(read)) FUZZ_CHECK(SameBytes(block, read));
  twice = block;
  SanitizeLoadedSettings(twice);
  FUZZ_CHECK(SameBytes(twice, block));

  FUZZ_CHECK(ActiveProfile(block) == &block.Profiles[block.CurrentProfile]);
  const bool profileInRange = profileIndex >= 0 && profileIndex < kProfileCount;
  const bool buttonInRange = buttonIndex >= 0 && buttonIndex < kButtonCount;
  FUZZ_CHECK((ProfileAt(block, profileIndex) != nullptr) == profileInRange);
  FUZZ_CHECK((ButtonAt(block, profileIndex, buttonIndex) != nullptr) == (profileInRange && buttonInRange));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool())
    CheckBlock(input);
  else
    CheckProfile(input);
  return 0;
}
