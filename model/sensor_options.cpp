#include "sensor_options.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, kSensitivityLastPosition> kSensitivityOfPosition = {1, 3, 5, 7, 8, 10, 12, 14, 16, 18, 20};
constexpr int kOffScaleSensitivity = 10;
constexpr int kMiddlePosition = 6;
constexpr int kMinSensitivity = 1;
constexpr int kMaxSensitivity = 20;

constexpr std::array<int, kLevelLastPosition> kResolutionOfPosition = {
    250,  500,  800,  1000, 1250, 1600, 1750, 2000, 2250, 2400,
    2750, 3000, 3250, 3500, 3750, 4000, 4250, 4500, 4750, 5000};

bool Within(int value, int first, int last) { return value >= first && value <= last; }

}  // namespace

int PositionToSensitivity(int position) {
  if (!Within(position, kSensitivityFirstPosition, kSensitivityLastPosition)) return kOffScaleSensitivity;
  return kSensitivityOfPosition[static_cast<std::size_t>(position - kSensitivityFirstPosition)];
}

int SensitivityToPosition(int sensitivity) {
  return Within(sensitivity, kMinSensitivity, kMaxSensitivity) ? sensitivity / 2 + 1 : kMiddlePosition;
}

int LevelResolution(int position) {
  const int shown = std::clamp(position, kLevelFirstPosition, kLevelLastPosition);
  return kResolutionOfPosition[static_cast<std::size_t>(shown - kLevelFirstPosition)];
}

bool StoreSensitivity(ProfileRecord& profile, SensitivityAxis axis, int position) {
  const int value = PositionToSensitivity(position);
  const bool x = axis == SensitivityAxis::X;
  (x ? profile.Sensitivity_X : profile.Sensitivity_Y) = value;
  // Any stored lock but 0 shows as on, so it locks too.
  if (profile.XYSynchronous == 0) return false;
  (x ? profile.Sensitivity_Y : profile.Sensitivity_X) = value;
  return true;
}

bool StoreSensitivityLock(ProfileRecord& profile, bool locked) {
  profile.XYSynchronous = locked ? 1 : 0;
  if (!locked || profile.Sensitivity_X == profile.Sensitivity_Y) return false;
  profile.Sensitivity_Y = profile.Sensitivity_X;
  return true;
}

bool StoreLevelPosition(ProfileRecord& profile, int level, int position) {
  if (!Within(level, 0, kEditableLevels - 1) || !Within(position, kLevelFirstPosition, kLevelLastPosition))
    return false;
  profile.CpiLevel_X[level] = position;
  return true;
}

bool StoreCurrentLevel(ProfileRecord& profile, int level) {
  if (!Within(level, 0, kEditableLevels - 1)) return false;
  profile.CpiStep = level;
  return true;
}

bool StoreOtgSpeed(ProfileRecord& profile, int speed) {
  if (!Within(speed, kOtgSpeedMin, kOtgSpeedMax)) return false;
  profile.OTGSpeed = speed;
  return true;
}
