#pragma once
// How the profile's pointer fields map to the values Windows keeps in the
// registry. The registry I/O itself is in store/.
#include <array>
#include <optional>

#include "settings_record.h"

// Rows indexed by the profile's Acceleration: MouseSpeed, MouseThreshold1,
// MouseThreshold2. Row 0 is no acceleration.
struct AccelerationRow {
  int speed;
  int threshold1;
  int threshold2;
};
inline constexpr int kAccelerationRows = 20;
extern const std::array<AccelerationRow, kAccelerationRows> AccelerationTable;

// Wheel lines stored when the wheel scrolls one screen per notch.
inline constexpr int kWheelScrollsScreen = -1;

// The row a profile writes: 0 when acceleration is off, else Acceleration
// clamped into the table.
const AccelerationRow& AccelerationRowOf(const ProfileRecord& profile);

// The pointer values as read from the registry; an absent member is a value
// that was missing or unreadable and changes nothing.
struct PointerValues {
  std::optional<int> doubleClickSpeed;
  std::optional<int> mouseSensitivity;
  std::optional<AccelerationRow> acceleration;
  std::optional<int> wheelScrollLines;
};

// The mouse-key part (double-click, speed, acceleration) into the profile.
void ApplyMouseValues(const PointerValues& values, ProfileRecord& profile);
// The desktop-key part (wheel lines) into the profile.
void ApplyDesktopValues(const PointerValues& values, ProfileRecord& profile);
