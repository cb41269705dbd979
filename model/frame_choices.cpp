#include "model/frame_choices.h"

#include <algorithm>

namespace {

// LightEffectSwitch1 and LightEffectType1 of each choice.
struct LightFields {
  std::uint8_t effectSwitch;
  std::uint8_t effectType;
};
constexpr LightFields kLightFields[] = {{0, 0}, {1, 0}, {1, 1}};

}  // namespace

LightChoice LightChoiceOf(const ProfileRecord& profile) {
  if (profile.LightEffectSwitch1 == 0) return LightChoice::Off;
  return profile.LightEffectType1 == 0 ? LightChoice::EffectA : LightChoice::EffectB;
}

void SetLightChoice(ProfileRecord& profile, LightChoice choice) {
  const LightFields& fields = kLightFields[static_cast<int>(choice)];
  profile.LightEffectSwitch1 = fields.effectSwitch;
  profile.LightEffectType1 = fields.effectType;
}

int ColourChoiceOf(const ProfileRecord& profile) {
  if (profile.ColorFlag == 0) return 0;
  const int choice = profile.ColorOptions1 + 1;
  return choice < kColourChoiceCount ? choice : kNoColourChoice;
}

void SetColourChoice(ProfileRecord& profile, int choice) {
  if (choice < 0 || choice >= kColourChoiceCount) return;
  profile.ColorFlag = choice == 0 ? 0 : 1;
  profile.ColorOptions1 = static_cast<std::uint8_t>(choice == 0 ? 0 : choice - 1);
}

std::u16string ProfileBarText(std::u16string_view name, int profile) {
  std::u16string text(name);
  text += u' ';
  text += static_cast<char16_t>(u'0' + std::clamp(profile, 0, kProfileCount - 1) + 1);
  text += u"/5";
  return text;
}

int PreviousProfile(int profile) { return std::max(profile - 1, 0); }
int NextProfile(int profile) { return std::min(profile + 1, kProfileCount - 1); }
