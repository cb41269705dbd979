#pragma once
// Factory values: one profile, the whole settings block, or one button.
// Each touches exactly the fields the factory owns; the rest keep their value.
#include <array>

#include "settings_record.h"

// Factory ProfileSwitchIndictor of each profile (32-bit entries, low byte used).
inline constexpr std::array<std::int32_t, kProfileCount> DefaultProfileSwitchIndicators = {1, 3, 2, 5, 4};

// `index` (0-4) picks the profile's switch indicator; out of range, nothing happens.
void FactoryProfile(ProfileRecord& profile, int index);
// CurrentProfile 0 and every profile; MouseType, MouseColor and the change
// tracking are left to the caller.
void FactorySettings(SettingsRecord& settings);
// Button 0-14; out of range, nothing happens.
void FactoryButton(ProfileRecord& profile, int button);
