#pragma once
// What the main window's frame shows and writes for the active profile:
// the lighting choice, the colour choice, the profile bar and profile
// switching. Window-free, so the rules are tested natively.
#include <string>
#include <string_view>

#include "model/settings_record.h"

// The three lighting buttons, as the choice they stand for.
enum class LightChoice { Off = 0, EffectA = 1, EffectB = 2 };

inline constexpr int kColourChoiceCount = 8;
// No colour button shows a stored colour outside the table.
inline constexpr int kNoColourChoice = -1;

// Off whenever the switch is off, whatever the type says.
LightChoice LightChoiceOf(const ProfileRecord& profile);
void SetLightChoice(ProfileRecord& profile, LightChoice choice);

// 0 for no fixed colour, 1-7 for the colours; kNoColourChoice for a stored
// colour beyond the buttons.
int ColourChoiceOf(const ProfileRecord& profile);
// Choice 0 clears the flag; 1-7 store colour choice - 1. Others do nothing.
void SetColourChoice(ProfileRecord& profile, int choice);

// "<name> <p+1>/5": the name is taken as it stands (a percent sign is text).
std::u16string ProfileBarText(std::u16string_view name, int profile);

// Profile switching by one step, kept within 0-4.
int PreviousProfile(int profile);
int NextProfile(int profile);
