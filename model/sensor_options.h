#pragma once
// The sensor options of a profile as the sensitivity page shows and edits
// them: the scales of its sliders and the value each position stores.
// Stored values also come from files and the monitor, so every reading
// takes any int, and a value off its scale shows at a fallback place
// without being rewritten.
#include "settings_record.h"

// The sensitivity sliders' positions; the profile stores 1-20.
inline constexpr int kSensitivityFirstPosition = 1;
inline constexpr int kSensitivityLastPosition = 11;
// The level sliders' positions, stored as they are.
inline constexpr int kLevelFirstPosition = 1;
inline constexpr int kLevelLastPosition = 20;
// The page edits levels 0-3 of the profile's five.
inline constexpr int kEditableLevels = 4;
inline constexpr int kPollingRateChoices = 4;
inline constexpr int kOtgSpeedMin = 2;
inline constexpr int kOtgSpeedMax = 255;

// The value a sensitivity position stores; 10 for a position off the scale.
int PositionToSensitivity(int position);
// Where a stored sensitivity shows; the middle (6) for one outside 1-20.
int SensitivityToPosition(int sensitivity);
// The resolution shown for a level position; a position off the scale
// shows as the end its thumb stops at.
int LevelResolution(int position);

enum class SensitivityAxis { X, Y };

// A sensitivity slider moved to `position`: its axis stores the value, and
// with the lock on the other axis too. True when the other axis followed.
bool StoreSensitivity(ProfileRecord& profile, SensitivityAxis axis, int position);
// The lock switched on or off; switched on, Y takes X's value. True when Y
// changed.
bool StoreSensitivityLock(ProfileRecord& profile, bool locked);
// Level `level` (0-3) moved to `position` (1-20); anything else changes
// nothing. True when stored.
bool StoreLevelPosition(ProfileRecord& profile, int level, int position);
// Level `level` (0-3) made the current one; true when stored.
bool StoreCurrentLevel(ProfileRecord& profile, int level);
// The OTG speed (2-255); anything else changes nothing.
bool StoreOtgSpeed(ProfileRecord& profile, int speed);
