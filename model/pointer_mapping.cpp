#include "pointer_mapping.h"

#include <algorithm>

const std::array<AccelerationRow, kAccelerationRows> AccelerationTable = {{
    {0, 0, 0},
    {1, 13, 0}, {1, 12, 0}, {1, 11, 0}, {1, 10, 0}, {1, 9, 0},
    {1, 8, 0},  {1, 7, 0},  {1, 6, 0},  {1, 5, 0},  {1, 4, 0},
    {2, 4, 13}, {2, 4, 12}, {2, 4, 11}, {2, 4, 10}, {2, 4, 9},
    {2, 4, 8},  {2, 4, 7},  {2, 4, 6},  {2, 4, 5},
}};

const AccelerationRow& AccelerationRowOf(const ProfileRecord& profile) {
  if (profile.AccelerationFlag == 0) return AccelerationTable[0];
  return AccelerationTable[static_cast<std::size_t>(std::clamp(profile.Acceleration, 0, kAccelerationRows - 1))];
}

void ApplyMouseValues(const PointerValues& values, ProfileRecord& profile) {
  if (values.doubleClickSpeed) profile.DbleClickSpeed = *values.doubleClickSpeed;
  if (values.mouseSensitivity) profile.MouseSpeed = *values.mouseSensitivity;
  // Without all three values there is nothing to match: the profile file's
  // acceleration stands, switch included.
  if (!values.acceleration) return;
  const AccelerationRow& read = *values.acceleration;
  for (int row = 0; row < kAccelerationRows; ++row) {
    const AccelerationRow& r = AccelerationTable[static_cast<std::size_t>(row)];
    if (r.speed == read.speed && read.threshold1 <= r.threshold1 && read.threshold2 <= r.threshold2)
      profile.Acceleration = row;  // the last matching row wins
  }
  profile.AccelerationFlag = profile.Acceleration != 0 ? 1 : 0;
}

void ApplyDesktopValues(const PointerValues& values, ProfileRecord& profile) {
  if (!values.wheelScrollLines) return;
  if (*values.wheelScrollLines == kWheelScrollsScreen) {
    profile.ScrollWheelSpeed = 0;
    profile.ScrollWheelFlag = 1;
  } else {
    profile.ScrollWheelSpeed = *values.wheelScrollLines;
    profile.ScrollWheelFlag = 0;
  }
}
