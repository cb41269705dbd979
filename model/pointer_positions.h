#pragma once
// What the Windows pointer page's sliders show of a profile and what their
// positions store in it. Portable: the page only moves the thumbs and hands
// the positions over.
#include "settings_record.h"

enum class PointerSlider { DoubleClick, PointerSpeed, WheelLines, TiltSpeed };
inline constexpr int kPointerSliderCount = 4;

struct PointerSliderRange {
  int min;
  int max;
};
PointerSliderRange RangeOf(PointerSlider slider);

// Pointer speed positions 1-8 onto the system's scale 1-20, and back; a
// position outside 1-8 stores 10, a speed outside 0-20 shows at 6.
int PositionToPointerSpeed(int position);
int PointerSpeedToPosition(int speed);

// Where the slider shows the profile's value, within its range; a stored
// value the slider cannot show stays as it is until the slider moves.
int PositionOf(const ProfileRecord& profile, PointerSlider slider);
// Stores the slider's position in the profile: a position off the
// slider is held within its range, but for the speed table's own rule.
void StorePosition(ProfileRecord& profile, PointerSlider slider, int position);

// The acceleration switch: on is the table's row 8, off no acceleration.
void StoreAcceleration(ProfileRecord& profile, bool on);
